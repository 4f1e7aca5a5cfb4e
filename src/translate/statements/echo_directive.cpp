#include "core/comment_split.h"
#include "core/line_index.h"
#include "core/text.h"
#include "preprocessor/packing.h"
#include "session/output.h"
#include "session/session.h"
#include "statements/dispatch.h"
#include "statements/first_word.h"

namespace ondavel {

void EchoDirective(Session& session, StatementSpan statement) {
    std::string_view raw;
    std::string line;
    if (!statement.source.Line(statement.firstLine, raw) ||
        !CopyIndexedLine(statement.source, line, raw) || line.empty())
        return;
    std::string comment;
    bool commentOpen = false;
    const LineParts parts = SplitComment(line, comment, commentOpen);
    CloseUpDirective(line);
    std::string echo = ";ECHO   ";
    if (line.size() > echo.size()) echo.append(line, echo.size());
    if (parts.hasComment()) echo.append(comment);
    WriteOutputLine(session, echo);
    WritePackingLine(session, line);
}

void CopyStatementSource(Session& session, LineIndex& index) {
    const StatementCounts& c = session.statement.counts;
    std::FILE* file = session.run.textBlockFile;
    if (file == nullptr || c.statementLines == 0 || c.lastLine < c.firstLine) return;
    std::string_view first;
    std::string_view last;
    if (!index.Line(c.firstLine, first) || !index.Line(c.lastLine, last)) return;
    const char* end = last.data() + last.size();
    std::fwrite(first.data(), 1, static_cast<size_t>(end - first.data()), file);
    std::fwrite("\r\n", 1, 2, file);
}

}  // namespace ondavel
