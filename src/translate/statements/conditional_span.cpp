#include "statements/conditional_span.h"

#include <string_view>

#include "core/line_index.h"
#include "core/text.h"

namespace ondavel {

namespace {

enum class Conditional { None, Opens, Continues, Closes };

Conditional ClassifyConditional(std::string_view raw) {
    // Most lines are no directive: the first character that is not a blank tells at once.
    size_t first = 0;
    while (first < raw.size() && IsTrimmable(raw[first]) && raw[first] != '\0' &&
           raw[first] != '\r') {
        ++first;
    }
    if (first == raw.size() || raw[first] != '#') return Conditional::None;
    const std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() != '#') return Conditional::None;
    size_t start = 1;
    while (start < line.size() && IsBlank(line[start])) ++start;
    size_t end = start;
    while (end < line.size() && IsNameCharacter(line[end])) ++end;
    const std::string_view word = line.substr(start, end - start);
    if (word == "if" || word == "ifdef" || word == "ifndef") return Conditional::Opens;
    if (word == "elif" || word == "else") return Conditional::Continues;
    if (word == "endif") return Conditional::Closes;
    return Conditional::None;
}

}  // namespace

std::vector<uint32_t> FindUnmatchedConditionals(LineIndex& index, uint32_t first, uint32_t last) {
    std::vector<uint32_t> unmatched;
    // Where the open blocks' opening lines stand in unmatched.
    std::vector<size_t> open;
    for (uint32_t line = first; line <= last; ++line) {
        std::string_view raw;
        if (!index.Line(line, raw)) break;
        switch (ClassifyConditional(raw)) {
            case Conditional::None:
                break;
            case Conditional::Opens:
                open.push_back(unmatched.size());
                unmatched.push_back(line);
                break;
            case Conditional::Continues:
                unmatched.push_back(line);
                break;
            case Conditional::Closes:
                if (open.empty()) {
                    unmatched.push_back(line);
                } else {
                    // A block closed within the span goes with the statement, lines and all.
                    unmatched.resize(open.back());
                    open.pop_back();
                }
                break;
        }
    }
    return unmatched;
}

bool IsConditionalDirective(std::string_view line) {
    return ClassifyConditional(line) != Conditional::None;
}

}  // namespace ondavel
