#include "core/comment_split.h"

#include "core/text.h"

namespace ondavel {

namespace {

bool HasNonBlank(const std::string& text, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (!IsTrimmable(text[i])) return true;
    }
    return false;
}

// Where the next comment marker or literal may begin.
size_t NextSpecial(const std::string& line, size_t from) {
    while (from < line.size()) {
        const char c = line[from];
        if (c == '/' || c == '"' || c == '\'') return from;
        ++from;
    }
    return line.size();
}

}  // namespace

int SplitComment(std::string& line, std::string& comment, bool& inBlockComment) {
    comment.clear();
    if (inBlockComment) {
        comment = ";" + line;
        if (line.find("*/") != std::string::npos) inBlockComment = false;
        return inBlockComment ? kOpenComment : kCompleteComment;
    }
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t special = NextSpecial(line, i);
    if (special == line.size()) {
        // Nothing but code: the usual line costs no copy.
        if (!HasNonBlank(line, i)) return 0;
        line.erase(0, i);
        return kHasCode;
    }
    std::string code;
    code.reserve(line.size());
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
        special = NextSpecial(line, i);
    }
    // Blanks left between or after comments are not code: a line holding only a comment and
    // trailing blanks is a comment line.
    const bool hasCode = HasNonBlank(code, 0);
    if (hasCode) line = std::move(code);
    const int commentBits = inBlockComment ? kOpenComment : (commented ? kCompleteComment : 0);
    return (hasCode ? kHasCode : 0) | commentBits;
}

}  // namespace ondavel
