// A text file held whole in memory with a table of its lines.
//
// Lines end with the two bytes CR LF only; a lone CR or LF is an ordinary character. Bytes
// after the last CR LF form one more line (the tail line). Readers keep their own line numbers;
// the index only answers for line n. The text does not change under its readers except through
// the two blanking calls below, by which a translation hides what it has consumed from every
// later reader.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

struct LineEntry {
    uint32_t start = 0;   // offset of the line's first character in text
    uint32_t length = 0;  // without the CR LF
};

class LineIndex {
  public:
    LineIndex() = default;
    LineIndex(const LineIndex&) = delete;
    LineIndex& operator=(const LineIndex&) = delete;

    // Keeps text and indexes its lines. False, leaving the index empty, for a text of two bytes
    // or less, one too large for 32-bit offsets, or when memory fails.
    bool Build(std::string text);
    // Build of a file's bytes with their line ends expanded (see core/line_ends.h), in one pass
    // over them: next hands them over piece by piece, an empty piece after the last, and
    // sizeHint tells about how many there are. False, the index left empty, also when the
    // expanded text would be too large (errno EFBIG) or memory fails (errno ENOMEM).
    bool BuildExpanding(size_t sizeHint, const std::function<std::string_view()>& next);
    // BuildExpanding of bytes handed over in one piece.
    bool BuildExpanding(std::string_view bytes);
    // Frees the text and its table.
    void Release();

    std::string_view text() const { return text_; }
    // All lines, the tail line included.
    uint32_t lines() const { return static_cast<uint32_t>(table_.size()); }
    // Whether no line holds a NUL or a CR, as in any header that is text: each line's text then
    // runs to its end.
    bool TerminatorFree() const { return terminatorFree_; }
    // Whether line n is ended by CR LF (every line but the tail line).
    bool IsTerminated(uint32_t n) const { return n <= terminated_; }
    // Line n (from 1) without its CR LF; false when there is no such line. Inline: the walk,
    // the statement scan and every translator ask for lines millions of times in a batch.
    bool Line(uint32_t n, std::string_view& line) const {
        if (n == 0 || n > lines()) return false;
        const LineEntry& entry = table_[n - 1];
        line = std::string_view(text_.data() + entry.start, entry.length);
        return true;
    }
    // Lines first to last as they stand in the text, each terminated one with its CR LF.
    std::string_view Lines(uint32_t first, uint32_t last) const;
    // The longest line and its number; the first of equals wins.
    LineEntry Longest(uint32_t& number) const;
    // How many times a line was emptied or blanked: a reader that kept a line's text knows
    // it still stands while the count is the same.
    uint32_t changes() const { return changes_; }

    // Line n reads as empty from now on.
    void EmptyLine(uint32_t n);
    // The first count characters of line n read as blanks from now on.
    void BlankStart(uint32_t n, size_t count);

  private:
    std::string text_;
    std::vector<LineEntry> table_;
    uint32_t terminated_ = 0;  // lines ended by CR LF
    bool terminatorFree_ = false;
    uint32_t changes_ = 0;
};

// CopyLine for a line of index: the lines of a terminator-free index are only measured, not
// searched for a NUL or a CR.
bool CopyIndexedLine(const LineIndex& index, std::string& destination, std::string_view line);

}  // namespace ondavel
