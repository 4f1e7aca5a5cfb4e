// Finding where a C statement ends and counting its punctuation.
#pragma once

#include <cstdint>
#include <string_view>

namespace ondavel {

struct Session;
class LineIndex;

// Where a statement may end besides its own end. A statement passes over the directive lines
// among its lines; one that never ends can instead be made to end before the first directive
// line that stands outside its brackets.
enum class ScanEnd { StatementEnd, BeforeDirective };

// The code of a statement's first line, trimmed, as splitting it from outside a comment gives
// it, and whether a comment is open after it.
struct FirstLineCode {
    std::string_view code;
    bool commentOpenAfter = false;
};

// Scans the statement that begins at firstLine (a line with code) into
// session.statement.counts: its last line and the punctuation of its code, comments and
// blank lines passed over. False when the statement runs past the end of the file. A reader
// that split the first line already gives it as first, which is then not read again.
bool ScanStatement(Session& session, uint32_t firstLine, LineIndex& index,
                   ScanEnd end = ScanEnd::StatementEnd, const FirstLineCode* first = nullptr);

}  // namespace ondavel
