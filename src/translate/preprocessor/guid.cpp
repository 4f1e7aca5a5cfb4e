// GUID definitions: a macro call naming the GUID and giving its numbers becomes one text
// equate holding the structure initialiser, "sNAME\tTEXTEQU\t<{l,w1,w2,{b1,...,b8}}>".
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/heap_block.h"
#include "core/line_index.h"
#include "core/text.h"
#include "preprocessor/directives.h"
#include "preprocessor/expression_words.h"
#include "session/output.h"
#include "session/session.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// What is appended after each number of the two forms with a fixed count: the eight bytes
// form their own group, and the OLE form ends with the eight bytes every OLE GUID shares.
constexpr std::array<std::string_view, 11> kGuidSeparators = {",", ",", ",{", ",", ",",  ",",
                                                              ",", ",", ",",  ",", "}}>"};
constexpr std::array<std::string_view, 3> kOleGuidSeparators = {",", ",",
                                                                ",{0C0h,0,0,0,0,0,0,046h}}>"};
// The open-ended form: before the fourth number the group of the bytes opens.
constexpr uint32_t kFirstByteNumber = 4;
constexpr std::string_view kOpenEndedClose = "}}>";
// The line is built in a buffer of one line: 1,039 characters and the terminator.
constexpr size_t kGuidLineLimit = kLineLimit - 1;
constexpr CharacterSet kGuidNameEnds = MakeCharacterSet(" \t,");

// The arguments of the call, read character by character over the statement's lines.
struct ArgumentCursor {
    Session& session;
    LineIndex& index;
    StatementReader reader;
    size_t position = 0;

    std::string_view line() const { return reader.workLine; }
    bool AtEnd() const { return position >= reader.workLine.size(); }
    char Current() const { return reader.workLine[position]; }
};

// A cursor whose first fetch reads the statement's first line.
ArgumentCursor CursorBefore(Session& session, StatementSpan statement) {
    ArgumentCursor cursor{session, statement.source, {}, 0};
    cursor.reader.lineNumber = statement.firstLine - 1;
    return cursor;
}

// Moves to the statement's next line with code (comments are kept out of the output).
bool FetchLine(ArgumentCursor& cursor) {
    if (!NextStatementLine(cursor.session, cursor.index, cursor.reader)) return false;
    cursor.position = 0;
    return true;
}

// Skips blanks and tabs; the end of a line or a backslash continues on the next line.
bool SkipBlanks(ArgumentCursor& cursor) {
    for (;;) {
        while (!cursor.AtEnd() && IsBlank(cursor.Current())) ++cursor.position;
        if (!cursor.AtEnd() && cursor.Current() != '\\') return true;
        if (!FetchLine(cursor)) return false;
    }
}

// Goes past the next occurrence of c, on this line or a later one.
bool SkipPast(ArgumentCursor& cursor, char c) {
    for (;;) {
        const size_t at = cursor.line().find(c, cursor.position);
        if (at != std::string_view::npos) {
            cursor.position = at + 1;
            return true;
        }
        if (!FetchLine(cursor)) return false;
    }
}

// The text from the cursor up to the first delimiter or the end of the line.
std::string_view TakeWord(ArgumentCursor& cursor, const CharacterSet& delimiters) {
    const std::string_view rest = cursor.line().substr(cursor.position);
    const std::string_view word = rest.substr(0, FindFirstOf(rest, delimiters));
    cursor.position += word.size();
    return word;
}

// Fetches the statement's first line and stands on the first argument, past the "(".
bool EnterArguments(ArgumentCursor& cursor) {
    if (!FetchLine(cursor)) return false;
    const size_t open = cursor.line().find('(');
    if (open == std::string_view::npos) return false;
    cursor.position = open + 1;
    return SkipBlanks(cursor);
}

// The name is listed before any number is read, so a refused definition is listed too.
std::string StartWithName(ArgumentCursor& cursor) {
    const std::string_view name = TakeWord(cursor, kGuidNameEnds);
    AppendPieceToHeapBlock(cursor.session.header.names.guidNames, name);
    std::string output = "s";
    output.append(name).append("\tTEXTEQU\t<{");
    return output;
}

// Whether the next character after blanks is a ",".
bool CommaFollows(ArgumentCursor& cursor) {
    return SkipBlanks(cursor) && cursor.Current() == ',';
}

// Reads ", number" and appends the number in MASM form. An empty argument, a sign, a name
// or anything that is not a plain C number refuses the definition.
bool AppendNextNumber(ArgumentCursor& cursor, std::string& output) {
    if (!CommaFollows(cursor)) return false;
    ++cursor.position;
    if (!SkipBlanks(cursor)) return false;
    const std::string_view word = TakeWord(cursor, kOperatorDelimSet);
    std::string number;
    if (!IsNumberText(word).isNumber || !NumberToMasm(word, number)) return false;
    output.append(number);
    return true;
}

void WriteGuidLine(Session& session, uint32_t firstLine, std::string_view output) {
    if (output.size() > kGuidLineLimit) {
        ReportTooLong(session, firstLine, texts::kGuidRoutine);
        return;
    }
    WriteOutputLine(session, output);
}

// A fixed count of numbers, each followed by its separator.
bool AppendNumbers(ArgumentCursor& cursor, std::string& output,
                   std::span<const std::string_view> separators) {
    for (const std::string_view separator : separators) {
        if (!AppendNextNumber(cursor, output)) return false;
        output.append(separator);
    }
    return true;
}

// Numbers as long as a "," follows the last one; how many there are is not checked, but
// the first needs its "," after the name as in the other forms.
bool AppendOpenEndedNumbers(ArgumentCursor& cursor, std::string& output) {
    if (!AppendNextNumber(cursor, output)) return false;
    for (uint32_t number = 2;; ++number) {
        if (!SkipBlanks(cursor)) return false;
        if (cursor.Current() != ',') break;
        output.append(number == kFirstByteNumber ? ",{" : ",");
        if (!AppendNextNumber(cursor, output)) return false;
    }
    output.append(kOpenEndedClose);
    return true;
}

}  // namespace

void TranslateGuid(Session& session, StatementSpan statement, GuidForm form) {
    ArgumentCursor cursor = CursorBefore(session, statement);
    if (!EnterArguments(cursor)) return;
    std::string output = StartWithName(cursor);
    const bool complete = form == GuidForm::OleGuid
                              ? AppendNumbers(cursor, output, kOleGuidSeparators)
                              : AppendNumbers(cursor, output, kGuidSeparators);
    if (complete) WriteGuidLine(session, statement.firstLine, output);
}

// The name stands in the second argument; the first says what kind of identifier it is.
void TranslateGuidSecond(Session& session, StatementSpan statement) {
    ArgumentCursor cursor = CursorBefore(session, statement);
    if (!EnterArguments(cursor) || !SkipPast(cursor, ',') || !SkipBlanks(cursor)) return;
    std::string output = StartWithName(cursor);
    if (AppendOpenEndedNumbers(cursor, output)) WriteGuidLine(session, statement.firstLine, output);
}

}  // namespace ondavel
