// The first word of a statement: how it is cut out, and what kind of statement it opens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/session.h"

namespace ondavel {

// Closes up a directive written with blanks after its '#' ("#  define X" -> "#define   X").
void CloseUpDirective(std::string& line);

// What the first word of a statement's line says of the statement.
enum class FirstWord {
    Skip,         // nothing to translate: no word, a namespace, a linkage line opening a brace
    UncodedCall,  // a word without keyword code directly followed by '(', as a macro is called
    Word,         // any other word: the statement goes on
};

// Cuts the first word of the trimmed code line into word. A linkage prefix (extern followed
// by a quoted language name) is blanked out of the loaded line lineNumber, so that every later
// reader sees the declaration without it. GCC's extension mark before a declaration is
// blanked out the same way.
FirstWord ExtractFirstWord(Session& session, std::string& line, std::string& word, LineIndex& index,
                           uint32_t lineNumber);

StatementKind ClassifyLeadingKeyword(std::string_view text);

}  // namespace ondavel
