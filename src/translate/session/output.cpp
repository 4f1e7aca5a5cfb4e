#include "session/output.h"

#include <optional>

#include "core/comment_split.h"
#include "core/host.h"
#include "core/line_index.h"
#include "core/messages.h"
#include "core/text.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// The lines gathered for the output file before they are handed to it.
constexpr size_t kOutputChunk = 64 * 1024;

// Whether a text written holds a conditional-assembly line: "IF ", "IFDEF ", "IFNDEF ",
// "ELSEIF ", "ENDIF " or a whole "ELSE" or "ENDIF" (also indented by a tab), on any of its
// lines.
bool HoldsConditionalLine(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find("\r\n");
        std::string_view line = text.substr(0, end);
        if (line.starts_with('\t')) line.remove_prefix(1);
        // Each of them begins with I or E: most lines are ruled out by their first character.
        if (line.starts_with('I') || line.starts_with('E')) {
            if (line == "ELSE" || line == "ENDIF") return true;
            for (const std::string_view opening :
                 {"IF ", "IFDEF ", "IFNDEF ", "ELSEIF ", "ENDIF "}) {
                if (line.starts_with(opening)) return true;
            }
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return false;
}

}  // namespace

void WriteOutputLine(Session& session, std::string_view text) {
    if (text.empty()) return;
    if (HoldsConditionalLine(text)) ++session.run.conditionalLines;
    // A text longer than a line is a block that ends its lines itself, up to its last one.
    const bool endsItsLines = text.size() > kOutputLineLimit && text.ends_with("\r\n");
    const std::string_view lineEnd = endsItsLines ? "" : "\r\n";
    if (session.run.outputMode == OutputMode::View) {
        // Each line goes out whole, its CR LF included, joined in a buffer kept from one line
        // to the next.
        thread_local std::string line;
        line.assign(text).append(lineEnd);
        session.host.AppendToView(line);
    } else if (session.run.outputFile != nullptr) {
        std::string& gathered = session.run.outputBuffer;
        gathered.append(text).append(lineEnd);
        if (gathered.size() >= kOutputChunk) FlushOutput(session);
    }
}

void FlushOutput(Session& session) {
    std::string& gathered = session.run.outputBuffer;
    if (session.run.outputFile != nullptr) {
        std::fwrite(gathered.data(), 1, gathered.size(), session.run.outputFile);
    }
    gathered.clear();
}

void WriteLineTo(Session& session, HeapBlock* destination, std::string_view text) {
    if (destination == nullptr) {
        WriteOutputLine(session, text);
    } else {
        AppendPieceToHeapBlock(*destination, text);
    }
}

void WritePieces(Session& session, const HeapBlock& block) {
    std::string_view pieces = block.view();
    while (!pieces.empty()) {
        const size_t end = pieces.find('\0');
        WriteOutputLine(session, pieces.substr(0, end));
        pieces.remove_prefix(end == std::string_view::npos ? pieces.size() : end + 1);
    }
}

namespace {

std::string JournalPath(const Session& session) {
    return session.run.baseDirectory + "journal.txt";
}

// Shows the journal's first write error, once; false when it had one.
bool JournalWritten(Session& session, bool written) {
    if (written) return true;
    ShowLastError(session.host, texts::kWriteFileCaption, JournalPath(session));
    session.run.writeFailed = true;
    return false;
}

}  // namespace

void WriteJournalLine(Session& session, std::string_view text) {
    std::FILE* journal = session.run.journalFile;
    if (journal == nullptr || text.empty() || text.size() > kJournalLineLimit) return;
    // After a write error the journal takes no more lines: the error was shown once.
    if (std::ferror(journal) != 0) return;
    // Each line reaches the file at once: after any failure the journal ends with the last
    // message, and an interruption never cuts a line in two.
    std::string line(text);
    line.append("\r\n");
    std::fwrite(line.data(), 1, line.size(), journal);
    JournalWritten(session, std::fflush(journal) == 0);
}

void WriteJournalLine(Session& session, std::string_view text, int64_t number) {
    std::string message(text);
    message.append(std::to_string(number));
    WriteJournalLine(session, message);
}

void ReportTooLong(Session& session, uint32_t lineNumber, std::string_view routine) {
    std::string message = NumberToText(static_cast<int32_t>(lineNumber));
    message.append(texts::kTooLongToTranslate).append(routine).append(" ");
    WriteJournalLine(session, message);
}

bool OpenJournal(Session& session) {
    if (session.run.journalFile != nullptr) return true;
    const std::string path = JournalPath(session);
    session.run.journalFile = std::fopen(path.c_str(), "wb");
    if (session.run.journalFile == nullptr) ShowLastError(session.host, "journal.txt", path);
    return session.run.journalFile != nullptr;
}

bool CloseJournal(Session& session) {
    std::FILE*& journal = session.run.journalFile;
    if (journal == nullptr) return true;
    // A write error already shown is not shown again.
    const bool failedBefore = std::ferror(journal) != 0;
    const bool closed = std::fclose(journal) == 0;
    journal = nullptr;
    return !failedBefore && JournalWritten(session, closed);
}

std::optional<std::string_view> NextStatementCode(Session& session, LineIndex& index,
                                                  StatementReader& reader) {
    const uint32_t lastLine = session.statement.counts.lastLine;
    for (;;) {
        std::string_view line;
        if ((lastLine != 0 && reader.lineNumber >= lastLine) ||
            !index.Line(reader.lineNumber + 1, line)) {
            WriteJournalLine(session, texts::kPastStatementEnd, reader.lineNumber);
            return std::nullopt;
        }
        ++reader.lineNumber;
        if (line.empty()) continue;
        if (const std::optional<std::string_view> code =
                UncommentedCode(index, line, session.header.inBlockComment)) {
            // All that splitting the line would give: its code, and no comment.
            reader.commentScratch.clear();
            reader.hasComment = false;
            reader.commentOpen = false;
            return code;
        }
        if (!CopyIndexedLine(index, reader.workLine, line)) {
            session.host.ShowMessage(texts::kFatalCaption, texts::kLineTooLongToRead,
                                     MessageIcon::Stop);
            return std::nullopt;
        }
        const LineParts parts =
            SplitComment(reader.workLine, reader.commentScratch, session.header.inBlockComment);
        reader.hasComment = parts.completeComment;
        reader.commentOpen = parts.openComment;
        if (!parts.hasCode) {
            reader.commentScratch.clear();
            continue;
        }
        // The copied line holds no terminator: its code is trimmed as it stands, in place.
        const std::string_view code = TrimEnds(reader.workLine);
        if (code.empty()) continue;
        KeepPart(reader.workLine, code);
        return reader.workLine;
    }
}

bool NextStatementLine(Session& session, LineIndex& index, StatementReader& reader) {
    const std::optional<std::string_view> code = NextStatementCode(session, index, reader);
    if (!code) return false;
    if (code->data() != reader.workLine.data()) reader.workLine.assign(*code);
    return true;
}

}  // namespace ondavel
