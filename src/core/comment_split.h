// Separating the code of a line from its C comments.
#pragma once

#include <string>

namespace ondavel {

// Bits of SplitComment's result.
inline constexpr int kHasCode = 1;
inline constexpr int kCompleteComment = 2;  // a // comment, a closed /* */, or the line closing one
inline constexpr int kOpenComment = 4;      // a /* comment still open at the end of the line

// Splits line into its code, which replaces line (without leading blanks or comments) when
// there is any, and its comments, which go to comment as ";" followed by their text.
// inBlockComment carries an open "/*" comment from one line to the next.
int SplitComment(std::string& line, std::string& comment, bool& inBlockComment);

}  // namespace ondavel
