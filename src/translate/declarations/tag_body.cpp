#include "declarations/tag_body.h"

#include <array>

#include "core/line_index.h"
#include "core/text.h"
#include "statements/conditional_span.h"

namespace ondavel {

namespace {

// Whether word stands at `at` of line as a whole name.
bool NameAt(std::string_view line, size_t at, std::string_view word) {
    const size_t end = at + word.size();
    return line.substr(at, word.size()) == word && (at == 0 || !IsNameCharacter(line[at - 1])) &&
           (end == line.size() || !IsNameCharacter(line[end]));
}

// Where what follows "struct TAG" or "union TAG" and its blanks begins; npos when line holds
// neither.
size_t AfterTagWords(std::string_view line, std::string_view tag) {
    constexpr std::array<std::string_view, 2> kKeywords = {"struct", "union"};
    for (const std::string_view keyword : kKeywords) {
        for (size_t at = line.find(keyword); at != std::string_view::npos;
             at = line.find(keyword, at + 1)) {
            if (!NameAt(line, at, keyword)) continue;
            const size_t tagStart = SkipBlanks(line, at + keyword.size());
            if (NameAt(line, tagStart, tag)) return SkipBlanks(line, tagStart + tag.size());
        }
    }
    return std::string_view::npos;
}

}  // namespace

bool TagBodyFollows(const LineIndex& index, uint32_t last, std::string_view tag) {
    std::string_view line;
    for (uint32_t number = last + 1; index.Line(number, line) && !IsConditionalDirective(line);
         ++number) {
        const size_t rest = AfterTagWords(line, tag);
        if (rest == std::string_view::npos) continue;
        std::string_view next;
        const bool braceHere = rest < line.size() && line[rest] == '{';
        const bool braceNext =
            rest == line.size() && index.Line(number + 1, next) && TrimEnds(next).starts_with('{');
        if (braceHere || braceNext) return true;
    }
    return false;
}

}  // namespace ondavel
