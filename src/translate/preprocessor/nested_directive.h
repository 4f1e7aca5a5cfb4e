// Directive lines met inside another statement: in a structure or enumeration body, or
// between the words of a prototype. Each becomes a line of its own among the statement's
// lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/statement_span.h"

namespace ondavel {

struct Session;
struct HeapBlock;

enum class NestedDirective { Else, Endif, Commented, Conditional, Other };

// What a trimmed line that begins with '#' is. "#else" and "#endif" are recognised at the
// start of the line; "#define" anywhere, or a '#' followed by a blank, makes the line a
// comment; "#ifndef", "#ifdef", "#if", "#elif" and "#error" at the start are conditionals.
NestedDirective ClassifyNestedDirective(std::string_view line);

// The line as an assembler comment: its '#' becomes ';' ("#define X 1" -> ";define X 1").
std::string CommentedDirective(std::string_view line);

// Translates a conditional line (the directive's first line) into block, or to the output when
// block is null, and returns the number of the last line it read.
uint32_t TranslateNestedConditional(Session& session, std::string_view line,
                                    StatementSpan directive, HeapBlock* block);

}  // namespace ondavel
