// Handing a delimited statement to the routine that translates it.
#pragma once

#include <cstdint>
#include <string_view>

#include "knowledge/knowledge.h"
#include "session/statement_span.h"

namespace ondavel {

struct Session;
class LineIndex;

// Picks the translation from the first word's keyword code and the statement's counts;
// code is the trimmed code of the statement's first line.
void DispatchStatement(Session& session, KeywordCode keywordCode, std::string_view code,
                       StatementSpan statement);

// Writes a directive line as an assembler comment: ";ECHO   " instead of its first eight
// characters, followed by its comment.
void EchoDirective(Session& session, StatementSpan statement);

// Copies the source text of the statement to BlocsdeTexte.txt when that file is open.
void CopyStatementSource(Session& session, LineIndex& index);

}  // namespace ondavel
