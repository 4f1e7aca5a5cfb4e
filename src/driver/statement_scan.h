// Finding where a C statement ends and counting its punctuation.
#pragma once

#include <cstdint>

namespace ondavel {

struct Session;
struct LineIndex;

// Scans the statement that begins at firstLine (a line with code) into
// session.statement.counts: its last line and the punctuation of its code, comments and
// blank lines passed over. Returns 0, or -1 when the statement runs past the end of the file.
int ScanStatement(Session& session, uint32_t firstLine, uint32_t linesLeft, LineIndex& index);

}  // namespace ondavel
