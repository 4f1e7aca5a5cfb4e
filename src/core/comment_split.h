// Separating the code of a line from its C comments.
#pragma once

#include <string>

namespace ondavel {

// What a line holds besides its code, as SplitComment found it.
struct LineParts {
    bool hasCode = false;
    bool completeComment = false;  // a // comment, a closed /* */, or the line closing one
    bool openComment = false;      // a /* comment still open at the end of the line

    bool hasComment() const { return completeComment || openComment; }
    bool operator==(const LineParts&) const = default;
};

// Splits line into its code, which replaces line (without leading blanks or comments) when
// there is any, and its comments, which go to comment as ";" followed by their text.
// inBlockComment carries an open "/*" comment from one line to the next.
LineParts SplitComment(std::string& line, std::string& comment, bool& inBlockComment);

}  // namespace ondavel
