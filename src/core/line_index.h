// A text file held whole in memory with a table of its lines.
//
// Lines end with the two bytes CR LF only; a lone CR or LF is an ordinary character. Bytes
// after the last CR LF form one more line (the tail line). Line pointers point into the text
// itself, so a reader that edits a line in place changes what later readers see.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

enum class LineCommand : uint32_t {
    None = 0,
    Build = 1,           // count the lines and fill the table
    Get = 2,             // set linePointer and lineLength for lineNumber
    GetLine = 3,         // the same; readers set it once and then only change lineNumber
    Release = 4,         // free everything, close the output file, zero the record
    TerminateLines = 5,  // overwrite the CR LF of each terminated line with two NULs
};

struct LineEntry {
    uint32_t start = 0;   // offset of the line's first character in text
    uint32_t length = 0;  // without the CR LF
};

struct LineIndex {
    LineIndex() = default;
    LineIndex(const LineIndex&) = delete;
    LineIndex& operator=(const LineIndex&) = delete;
    ~LineIndex();

    std::string text;         // the loaded file
    uint32_t lineCount = 0;   // CR LF pairs in text
    uint32_t tailLine = 0;    // 1 when bytes follow the last CR LF
    uint32_t lineNumber = 0;  // input of Get/GetLine, 1-based
    uint32_t lineLength = 0;  // output of Get/GetLine
    char* linePointer = nullptr;
    LineCommand command = LineCommand::None;
    std::vector<LineEntry> lineTable;
    std::FILE* outputHandle =
        nullptr;  // output file opened with this input, discarded on release unless committed
    uint32_t longestLength = 0;  // longest CR LF-terminated line
    uint32_t longestLineNumber = 0;

    uint32_t size() const { return static_cast<uint32_t>(text.size()); }
    uint32_t lines() const { return lineCount + tailLine; }
};

// Performs index.command. Returns 1 when done, 0 when refused: every command is refused for
// a text of two bytes or less, or when the command is not one of the five.
int LineIndexCommand(LineIndex& index);

// Line n of a built index through the GetLine command; false when there is no such line.
bool GetLine(LineIndex& index, uint32_t n, std::string_view& line);

}  // namespace ondavel
