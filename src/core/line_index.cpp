#include "core/line_index.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "core/line_ends.h"
#include "core/text.h"

namespace ondavel {

namespace {

// Offsets and lengths in the table are 32-bit.
constexpr size_t kMaxIndexedSize = std::numeric_limits<uint32_t>::max();
// Room is made in the table for a line in every so many bytes. A header's lines are some forty
// bytes long: the table of a large one then never grows, which for a moment would hold it
// three times over.
constexpr size_t kBytesPerLineEstimate = 32;

// Offset of the CR of the next CR LF pair at or after `from`, or text.size() when none is left.
// A CR passed over on the way stands in a line: loneCr tells it.
size_t NextLineEnd(std::string_view text, size_t from, bool& loneCr) {
    const char* base = text.data();
    const size_t size = text.size();
    while (from + 1 < size) {
        const void* found = std::memchr(base + from, '\r', size - from - 1);
        if (found == nullptr) break;
        const size_t cr = static_cast<size_t>(static_cast<const char*>(found) - base);
        if (base[cr + 1] == '\n') return cr;
        loneCr = true;
        from = cr + 1;
    }
    return size;
}

// Whether a CR of piece stands before no LF, crBefore telling whether the byte before piece
// was a CR. Only such a CR is left in a line of the expanded text, where every LF ends a line
// and the CR before it is part of that end. A CR that ends piece is judged with the next one.
bool HoldsLoneCr(std::string_view piece, bool crBefore) {
    if (crBefore && piece.front() != '\n') return true;
    for (size_t cr = piece.find('\r'); cr != std::string_view::npos && cr + 1 < piece.size();
         cr = piece.find('\r', cr + 1)) {
        if (piece[cr + 1] != '\n') return true;
    }
    return false;
}

void AddLine(std::vector<LineEntry>& table, size_t start, size_t end) {
    table.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)});
}

}  // namespace

bool LineIndex::Build(std::string text) {
    Release();
    if (text.size() <= 2 || text.size() > kMaxIndexedSize) return false;
    try {
        size_t start = 0;
        bool loneCr = false;
        for (size_t end = NextLineEnd(text, 0, loneCr); end < text.size();
             end = NextLineEnd(text, start, loneCr)) {
            AddLine(table_, start, end);
            start = end + 2;
        }
        terminated_ = lines();
        // The last byte is no CR of a CR LF; the search for them stops short of it.
        terminatorFree_ = !loneCr && text.back() != '\r' &&
                          std::memchr(text.data(), '\0', text.size()) == nullptr;
        // Bytes after the last CR LF are one more line, even when they end with a lone LF.
        if (start < text.size()) AddLine(table_, start, text.size());
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    text_ = std::move(text);
    return true;
}

bool LineIndex::BuildExpanding(size_t sizeHint, const std::function<std::string_view()>& next) {
    Release();
    try {
        std::string text;
        ReserveExpanded(text, sizeHint);
        table_.reserve(sizeHint / kBytesPerLineEstimate + 1);
        Expansion expansion;
        bool loneCr = false, nul = false;
        const auto addLine = [this](size_t start, size_t length) {
            AddLine(table_, start, start + length);
        };
        for (std::string_view piece = next(); !piece.empty(); piece = next()) {
            loneCr = loneCr || HoldsLoneCr(piece, expansion.crBefore);
            nul = nul || std::memchr(piece.data(), '\0', piece.size()) != nullptr;
            AppendExpanded(text, piece, expansion, addLine);
            if (text.size() > kMaxIndexedSize) break;
        }
        if (text.size() <= 2 || text.size() > kMaxIndexedSize) {
            if (text.size() > 2) errno = EFBIG;
            Release();
            return false;
        }
        terminated_ = lines();
        // A CR that ends the bytes ends no line.
        terminatorFree_ = !loneCr && !expansion.crBefore && !nul;
        if (expansion.lineStart < text.size()) AddLine(table_, expansion.lineStart, text.size());
        text_ = std::move(text);
        return true;
    } catch (const std::bad_alloc&) {
        Release();
        errno = ENOMEM;
        return false;
    }
}

bool LineIndex::BuildExpanding(std::string_view bytes) {
    return BuildExpanding(bytes.size(), [&bytes] { return std::exchange(bytes, {}); });
}

void LineIndex::Release() {
    std::string().swap(text_);
    std::vector<LineEntry>().swap(table_);
    terminated_ = 0;
    terminatorFree_ = false;
}

std::string_view LineIndex::Lines(uint32_t first, uint32_t last) const {
    const LineEntry& from = table_[first - 1];
    const LineEntry& to = table_[last - 1];
    const uint32_t end = to.start + to.length + (IsTerminated(last) ? 2 : 0);
    return std::string_view(text_).substr(from.start, end - from.start);
}

LineEntry LineIndex::Longest(uint32_t& number) const {
    LineEntry longest;
    number = 0;
    for (uint32_t n = 1; n <= lines(); ++n) {
        if (table_[n - 1].length > longest.length) {
            longest = table_[n - 1];
            number = n;
        }
    }
    return longest;
}

void LineIndex::EmptyLine(uint32_t n) {
    if (n == 0 || n > lines()) return;
    table_[n - 1].length = 0;
    ++changes_;
}

void LineIndex::BlankStart(uint32_t n, size_t count) {
    if (n == 0 || n > lines()) return;
    const LineEntry& entry = table_[n - 1];
    std::fill_n(text_.begin() + entry.start, std::min<size_t>(count, entry.length), ' ');
    ++changes_;
}

bool CopyIndexedLine(const LineIndex& index, std::string& destination, std::string_view line) {
    if (!index.TerminatorFree()) return CopyLine(destination, line);
    if (line.size() >= kLineLimit) return false;
    destination.assign(line);
    return true;
}

}  // namespace ondavel
