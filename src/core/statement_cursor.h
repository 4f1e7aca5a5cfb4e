// A scan position in the lines of one statement: the current code line (trimmed, comments
// split off) and a column in it. The scans of the brace-body translations go on at the start
// of the next line of the statement whenever they reach the end of a line or a backslash.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/output.h"

namespace ondavel {

struct Session;
struct LineIndex;

class StatementCursor {
  public:
    // Stands before firstLine: the first NextLine() reads the statement's first code line.
    StatementCursor(Session& session, LineIndex& index, uint32_t firstLine, uint32_t linesLeft);

    // Reads the statement's next code line and stands at its start. False when the line is
    // over-long or the statement's last line has been passed (both already reported).
    bool NextLine();
    // Passes blanks and tabs, going on with the next line at the end of a line or at a
    // backslash. False when a needed line cannot be read.
    bool SkipBlanks();
    // Passes n characters and then blanks, as SkipBlanks does.
    bool AdvanceAndSkip(size_t n = 1) {
        Advance(n);
        return SkipBlanks();
    }
    // Moves to the line after lineNumber (a directive translation read through it).
    void ResumeAfter(uint32_t lineNumber);

    bool AtEnd() const { return column_ >= reader_.workLine.size(); }
    // The character at the column, NUL at the end of the line.
    char Current() const { return AtEnd() ? '\0' : reader_.workLine[column_]; }
    char Peek(size_t ahead) const {
        const size_t at = column_ + ahead;
        return at < reader_.workLine.size() ? reader_.workLine[at] : '\0';
    }
    void Advance(size_t n = 1) { column_ += n; }
    size_t Column() const { return column_; }
    void SetColumn(size_t column) { column_ = column; }
    std::string_view Line() const { return reader_.workLine; }
    std::string_view Rest() const { return Line().substr(AtEnd() ? Line().size() : column_); }
    // Ends the current line: the next scan reads the following one.
    void SkipLine() { column_ = reader_.workLine.size(); }

    uint32_t LineNumber() const { return reader_.lineNumber; }
    uint32_t LinesLeft() const { return reader_.linesLeft; }
    StatementReader& Reader() { return reader_; }
    Session& session() { return session_; }
    LineIndex& index() { return index_; }

  private:
    Session& session_;
    LineIndex& index_;
    StatementReader reader_;
    size_t column_ = 0;
};

}  // namespace ondavel
