// A scan position in the code of one statement: the current code line (trimmed, comments
// split off) and a column in it. A backslash or the end of a line's code is the end of that
// line; the scans that go on across lines fetch the statement's next code line there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "session/output.h"
#include "session/statement_span.h"

namespace ondavel {

struct Session;
class LineIndex;

// The text of a directive line after its '#' and the blanks behind it ("#  ifdef X" ->
// "ifdef X"); empty for a line that does not begin with '#'.
inline std::string_view DirectiveText(std::string_view line) {
    if (line.empty() || line[0] != '#') return {};
    const size_t start = line.find_first_not_of(" \t", 1);
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

// Whether a trimmed line that begins with '#' opens a conditional whose first branch only a
// C++ or an IDL compiler reads ("#ifdef __cplusplus", "#if defined(__cplusplus) && defined(X)",
// "#ifdef __WIDL__"): its constructors, operators, inline bodies and IDL attributes are no C,
// and the assembler never reads them.
bool OpensCppOnlyBranch(std::string_view line);

class StatementCursor {
  public:
    // Stands before firstLine: Start() or NextLine() reads the statement's first code line.
    StatementCursor(Session& session, StatementSpan statement);
    // A copy reads on from where the cursor stands; a line held in the cursor's buffer is held
    // in the copy's own.
    StatementCursor(const StatementCursor& other);

    // Reads the statement's first line. Its comment is dropped: it is never written.
    bool Start();
    // Reads the statement's next code line and stands at its start. False when there is none
    // (the statement's last line was passed, or the line is over-long; both already reported).
    // The lines of a C++-only branch are passed over: its directive lines are read, what
    // stands between them is not.
    bool NextLine();
    // NextLine for a scan that only looks for mark and throws the cursor away after: the lines
    // on the way that hold no mark, no '#' and no '/' are passed over unread. Reading them
    // would find no mark and change neither the comment state nor the branch followed; their
    // comments are not collected.
    bool NextLineWith(char mark);

    bool AtEnd() const { return column_ >= Line().size() || Line()[column_] == '\\'; }
    // The character at the column, NUL at the end of the line.
    char Current() const { return AtEnd() ? '\0' : Line()[column_]; }
    void Advance(size_t n = 1) { column_ += n; }
    size_t Column() const { return column_; }
    void SetColumn(size_t column) { column_ = column; }
    std::string_view Line() const { return line_; }
    // The current line's code as a text of the cursor's own, for a scan that blanks part of it.
    std::string& OwnLine();
    // The code of the current line from the column on.
    std::string_view Rest() const { return Line().substr(std::min(column_, Line().size())); }
    // Ends the current line: the next scan across lines reads the following one.
    void SkipLine() { column_ = Line().size(); }

    // Steps over characters of set, going on across lines; false when the statement ends.
    bool SkipAcrossLines(std::string_view set);
    bool SkipBlanks() {
        // Most skips start on a character that is no blank already, and go nowhere.
        if (!AtEnd() && !IsBlank(line_[column_])) return true;
        return SkipAcrossLines(" \t");
    }
    // Passes n characters and then blanks across lines.
    bool AdvanceAndSkip(size_t n = 1) {
        Advance(n);
        return SkipBlanks();
    }
    // Steps to the next occurrence of c, going on across lines, and over it.
    bool SkipPast(char c);
    // The characters up to one of delimiters or the line's end, which stay under the cursor.
    std::string_view TakeWord(const CharacterSet& delimiters);
    // The code from the column up to one of stops (one or two characters), a backslash or the
    // line's end, found sixteen characters at a time. The cursor does not move.
    std::string_view RunBefore(std::string_view stops) const;
    // The same for a larger set of stops, looked for a character at a time.
    std::string_view RunBefore(const CharacterSet& stops) const;

    uint32_t LineNumber() const { return reader_.lineNumber; }
    // Reads lines in place of the current line's code from column on: lines first, then what
    // stood from `resume` on (a macro named in the code, replaced by its lines).
    void Expand(size_t resume, const std::vector<std::string>& lines);

    // Where a directive translation that read the statement's lines up to lineNumber left it;
    // the next scan across lines reads the line after it.
    void ResumeAfter(uint32_t lineNumber);
    // The comment of the line read last, when that line had one ("" otherwise).
    std::string_view LastComment() const;

    StatementReader& Reader() { return reader_; }
    Session& session() { return session_; }
    LineIndex& index() { return index_; }

  private:
    Session& session_;
    LineIndex& index_;
    // Whether the line just read lies in a C++-only branch; follows the nesting on the way.
    bool InCppOnlyBranch();

    StatementReader reader_;
    // The current line's code: where it stands in the index's text when it holds no comment,
    // else reader_.workLine.
    std::string_view line_;
    // The lines Expand put before the statement's next, the next one last: a cursor that never
    // expands (most do not) allocates nothing for them.
    std::vector<std::string> expanded_;
    size_t column_ = 0;
    bool inCppOnlyBranch_ = false;
    uint32_t nestedInBranch_ = 0;  // conditionals opened inside that branch and not closed
};

}  // namespace ondavel
