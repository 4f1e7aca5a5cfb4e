// Finding where a C statement ends and counting its punctuation.
#pragma once

#include <cstdint>

namespace ondavel {

struct Session;
class LineIndex;

// Where a statement may end besides its own end. A statement passes over the directive lines
// among its lines; one that never ends can instead be made to end before the first directive
// line that stands outside its brackets.
enum class ScanEnd { StatementEnd, BeforeDirective };

// Scans the statement that begins at firstLine (a line with code) into
// session.statement.counts: its last line and the punctuation of its code, comments and
// blank lines passed over. False when the statement runs past the end of the file.
bool ScanStatement(Session& session, uint32_t firstLine, LineIndex& index,
                   ScanEnd end = ScanEnd::StatementEnd);

}  // namespace ondavel
