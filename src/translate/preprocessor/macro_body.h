// The body of a function-like macro: a C expression rewritten, character by character, into
// the operand of the MASM equate that the macro function returns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "session/output.h"

namespace ondavel {

struct Session;
class LineIndex;

// One macro being translated: where the reading stands and what has been built so far.
struct MacroText {
    MacroText(Session& ownSession, LineIndex& ownIndex) : session(ownSession), index(ownIndex) {}

    Session& session;
    LineIndex& index;
    StatementReader reader;  // reader.workLine holds the physical line being read
    size_t at = 0;           // position in reader.workLine
    std::string output;
    std::vector<std::string> parameters;
};

enum class MacroStep {
    Next,      // go on with the next character
    Complete,  // the body's last ')' or the end of its last line: the macro can be closed
    Refused,   // a construct MASM cannot take: nothing is written
    TooLong,   // the output would outgrow its buffer: said to the user, nothing is written
};

// The name or word that starts at `at`, up to the first operator delimiter; `at` moves past it.
std::string_view CutWord(std::string_view line, size_t& at);

// Moves text to the statement's next physical line; false when there is none (the reader has
// journaled why).
bool FetchMacroLine(MacroText& text);

// Translates the body from text.at on and appends it to text.output. Returns Complete,
// Refused or TooLong.
MacroStep TranslateMacroBody(MacroText& text);

}  // namespace ondavel
