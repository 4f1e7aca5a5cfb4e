// The conditions tool: under which IF lines a name is declared in a translated file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

class Host;

enum class ConditionsResult { NoFile, Unreadable, NotFound, Found };

struct ConditionSearch {
    ConditionsResult result = ConditionsResult::NoFile;
    // The IF lines open where the name first stands, outermost first, each as the trimmed
    // line, one blank and its line number.
    std::vector<std::string> conditions;
};

// Reads the file at path and stops at the first line that holds name as a token. A 71st
// open condition is refused with the "BSTR array too small" box and the search goes on.
ConditionSearch FindConditions(Host& host, std::string_view name, std::string_view path);

// Shows the outcome of a search as the conditions tool's message boxes.
void ShowConditions(Host& host, std::string_view name, std::string_view path,
                    const ConditionSearch& search);

}  // namespace ondavel
