// The conditional directive lines a statement spans without matching them. A statement that
// is dropped, or ends inside a block it did not open, would otherwise take an "#if" or an
// "#endif" of the header with it and leave the output's IF and ENDIF lines unbalanced.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ondavel {

class LineIndex;

// The lines of the "#if", "#ifdef", "#ifndef", "#elif", "#else" and "#endif" directives among
// lines first..last that do not belong to a block opened and closed within them, in order.
std::vector<uint32_t> FindUnmatchedConditionals(LineIndex& index, uint32_t first, uint32_t last);

// Whether a line of the header is an "#if", "#ifdef", "#ifndef", "#elif", "#else" or "#endif"
// directive.
bool IsConditionalDirective(std::string_view line);

}  // namespace ondavel
