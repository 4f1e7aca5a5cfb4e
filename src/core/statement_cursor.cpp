#include "core/statement_cursor.h"

#include "core/text.h"

namespace ondavel {

StatementCursor::StatementCursor(Session& session, LineIndex& index, uint32_t firstLine,
                                 uint32_t linesLeft)
    : session_(session), index_(index) {
    reader_.lineNumber = firstLine - 1;
    reader_.linesLeft = linesLeft + 1;
}

bool StatementCursor::NextLine() {
    column_ = 0;
    if (NextStatementLine(session_, index_, reader_) < 0) {
        reader_.workLine.clear();
        return false;
    }
    return true;
}

bool StatementCursor::SkipBlanks() {
    for (;;) {
        column_ = ondavel::SkipBlanks(reader_.workLine, column_);
        if (!AtEnd() && Current() != '\\') return true;
        if (!NextLine()) return false;
    }
}

void StatementCursor::ResumeAfter(uint32_t lineNumber) {
    if (lineNumber > reader_.lineNumber) {
        reader_.linesLeft -= lineNumber - reader_.lineNumber;
        reader_.lineNumber = lineNumber;
    }
    SkipLine();
}

}  // namespace ondavel
