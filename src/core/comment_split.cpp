#include "core/comment_split.h"

#include <string_view>

#include "core/line_index.h"
#include "core/text.h"

namespace ondavel {

namespace {

bool HasNonBlank(const std::string& text) {
    for (char c : text) {
        if (!IsTrimmable(c)) return true;
    }
    return false;
}

// Characters where a comment or a literal may begin.
constexpr std::string_view kSpecial = "/\"'";

// Where the next comment marker or literal may begin; notes whether code came before it.
// Once code was seen, only the special characters are looked for.
size_t NextSpecial(std::string_view line, size_t from, bool& sawCode) {
    for (; from < line.size() && !sawCode; ++from) {
        const char c = line[from];
        if (IsOneOf(c, kSpecial)) return from;
        sawCode = !IsTrimmable(c);
    }
    return FindAnyOf(line, from, kSpecial);
}

}  // namespace

LineParts SplitComment(std::string& line, std::string& comment, bool& inBlockComment) {
    comment.clear();
    if (inBlockComment) {
        comment.append(";").append(line);
        if (line.find("*/") != std::string::npos) inBlockComment = false;
        return {.completeComment = !inBlockComment, .openComment = inBlockComment};
    }
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    bool sawCode = false;
    size_t special = NextSpecial(line, i, sawCode);
    if (special == line.size()) {
        // Nothing but code: the usual line costs no copy.
        if (!sawCode) return {};
        line.erase(0, i);
        return {.hasCode = true};
    }
    // The code is gathered apart from the line it comes from, in a buffer kept from one line to
    // the next: a line with a comment or a literal costs no allocation.
    thread_local std::string code;
    code.clear();
    bool commented = false;
    while (i < line.size()) {
        code.append(line, i, special - i);
        i = special;
        if (i == line.size()) break;
        const char c = line[i];
        const char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (c == '/' && (next == '*' || next == '/')) {
            if (!commented) comment.push_back(';');
            commented = true;
            if (next == '/') {
                comment.append(line, i + 2);
                break;
            }
            const size_t close = line.find("*/", i + 2);
            if (close == std::string::npos) {
                comment.append(line, i);
                inBlockComment = true;
                break;
            }
            comment.append(line, i, close + 2 - i);
            comment.push_back(' ');
            i = close + 2;
        } else if (c == '"' || c == '\'') {
            const size_t close = line.find(c, i + 1);
            const size_t end = close == std::string::npos ? line.size() : close + 1;
            code.append(line, i, end - i);
            i = end;
        } else {
            code.push_back(c);
            ++i;
        }
        special = NextSpecial(line, i, sawCode);
    }
    // Blanks left between or after comments are not code: a line holding only a comment and
    // trailing blanks is a comment line.
    const bool hasCode = sawCode || HasNonBlank(code);
    if (hasCode) line.assign(code);
    return {.hasCode = hasCode,
            .completeComment = commented && !inBlockComment,
            .openComment = inBlockComment};
}

}  // namespace ondavel
