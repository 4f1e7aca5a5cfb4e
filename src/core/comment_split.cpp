#include "core/comment_split.h"

#include "core/text.h"

namespace ondavel {

namespace {

bool HasNonBlank(const std::string& code) {
    for (char c : code) {
        if (!IsTrimmable(c)) return true;
    }
    return false;
}

}  // namespace

int SplitComment(std::string& line, std::string& comment, bool& inBlockComment) {
    comment.clear();
    if (inBlockComment) {
        comment = ";" + line;
        if (line.find("*/") != std::string::npos) inBlockComment = false;
        return inBlockComment ? kOpenComment : kCompleteComment;
    }
    std::string code;
    bool commented = false;
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    while (i < line.size()) {
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
    }
    // Blanks left between or after comments are not code: a line holding only a comment and
    // trailing blanks is a comment line.
    const bool hasCode = HasNonBlank(code);
    if (hasCode) line = std::move(code);
    const int commentBits = inBlockComment ? kOpenComment : (commented ? kCompleteComment : 0);
    return (hasCode ? kHasCode : 0) | commentBits;
}

}  // namespace ondavel
