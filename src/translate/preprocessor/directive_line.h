// One directive line as the one-line directive translations (#ifdef, #ifndef, #endif,
// #include, #error) read it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/statement_span.h"

namespace ondavel {

struct Session;

// Copies the directive's line into line; false when there is no such line or it is too long
// for a line buffer.
bool CopyDirectiveLine(StatementSpan directive, std::string& line);

struct DirectiveParts {
    std::string code;     // trimmed, without its comments
    std::string comment;  // ";" and the comments' text, or empty
};

// Splits a copied line into its trimmed code and its comment. A "/*" comment left open stays
// open in the session, so that the lines after it are read as comment.
void SplitDirectiveLine(Session& session, std::string& line, DirectiveParts& parts);

// The directive's line split into parts, as a copy split by SplitDirectiveLine gives them; false
// when CopyDirectiveLine would be.
bool ReadDirectiveLine(Session& session, StatementSpan directive, DirectiveParts& parts);

// Where the text after '#', its blanks and tabs, and the directive word begins, so that
// "#  ifdef X" reads like "#ifdef X". Blanks after the word are not passed over.
size_t DirectiveWordEnd(std::string_view code);

// The text after the directive word and the blanks and tabs that follow it.
std::string_view DirectiveArgument(std::string_view code);

}  // namespace ondavel
