// The one way out for translated lines, and the journal of diagnostics.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ondavel {

struct Session;
class LineIndex;
struct HeapBlock;

// Output lines of up to 1,037 characters get CR LF; a longer text is written as it stands.
inline constexpr int kOutputLineLimit = 1037;
// Journal lines of 1 to 1,036 characters are written; others are dropped.
inline constexpr int kJournalLineLimit = 1036;

// Writes text to the output view or the header's output file, as the session's output mode
// says. An empty text writes nothing. Lines for the file are gathered and handed to it some
// tens of kilobytes at a time, and at the latest by FlushOutput.
void WriteOutputLine(Session& session, std::string_view text);
void FlushOutput(Session& session);

// Writes text as one output line when destination is null, else appends it to destination as
// one piece (followed by its NUL), to be written when the statement around it is complete.
void WriteLineTo(Session& session, HeapBlock* destination, std::string_view text);

// Writes each piece of block (texts ended by one NUL each) as one output line, in order.
void WritePieces(Session& session, const HeapBlock& block);

// Writes text and CR LF to journal.txt when it is open, flushed at once.
void WriteJournalLine(Session& session, std::string_view text);
// The journal's usual form: a fixed text followed by a decimal number.
void WriteJournalLine(Session& session, std::string_view text, int64_t number);

// Journals a statement too long to translate: "57 Ligne trop longue a traduire:PROC routine ".
void ReportTooLong(Session& session, uint32_t lineNumber, std::string_view routine);

// Creates journal.txt in the base directory when it is not open. Returns whether it is open.
bool OpenJournal(Session& session);
// False when the journal could not be written whole (shown on the host once).
bool CloseJournal(Session& session);

// A translation routine's cursor over the lines of its statement, with the comments met.
struct StatementReader {
    uint32_t lineNumber = 0;   // the last line read
    bool hasComment = false;   // the returned line ended a comment
    bool commentOpen = false;  // the returned line left a "/*" comment open
    std::string workLine;
    std::string commentScratch;
};

// The statement's next code line, trimmed; nothing when that line is over-long or the
// statement's last line has been passed. A line without comment is seen where it stands in
// index's text; any other is split in reader.workLine, which the answer then views.
std::optional<std::string_view> NextStatementCode(Session& session, LineIndex& index,
                                                  StatementReader& reader);
// Places the statement's next code line, trimmed, in reader.workLine; false when there is none.
bool NextStatementLine(Session& session, LineIndex& index, StatementReader& reader);

}  // namespace ondavel
