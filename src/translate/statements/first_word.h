// The first word of a statement: how it is cut out, and what kind of statement it opens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/session.h"

namespace ondavel {

// Closes up a directive written with blanks after its '#' ("#  define X" -> "#define   X").
void CloseUpDirective(std::string& line);

// Cuts the first word of the trimmed code line into word. Returns -2 when the line is to be
// skipped, 0 for a word without keyword code directly followed by '(', otherwise a positive
// length or -1 (the statement goes on). A linkage prefix (extern followed by a quoted
// language name) is blanked out of the loaded line lineNumber, so that every later reader
// sees the declaration without it; a linkage line that opens a brace is skipped. GCC's
// extension mark before a declaration is blanked out the same way.
int ExtractFirstWord(Session& session, std::string& line, std::string& word, LineIndex& index,
                     uint32_t lineNumber);

StatementKind ClassifyLeadingKeyword(std::string_view text);

}  // namespace ondavel
