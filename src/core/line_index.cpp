#include "core/line_index.h"

#include <cstring>
#include <limits>
#include <new>

#include "core/staged_file.h"

namespace ondavel {

namespace {

// Offsets and lengths in the table are 32-bit.
constexpr size_t kMaxIndexedSize = std::numeric_limits<uint32_t>::max();

// Offset of the CR of the next CR LF pair at or after `from`, or text.size() when none is left.
size_t NextLineEnd(const std::string& text, size_t from) {
    const char* base = text.data();
    const size_t size = text.size();
    while (from + 1 < size) {
        const void* found = std::memchr(base + from, '\r', size - from - 1);
        if (found == nullptr) break;
        const size_t cr = static_cast<size_t>(static_cast<const char*>(found) - base);
        if (base[cr + 1] == '\n') return cr;
        from = cr + 1;
    }
    return size;
}

void NoteLongest(LineIndex& index, uint32_t length) {
    // On equal lengths the first such line stays.
    if (length > index.longestLength) {
        index.longestLength = length;
        index.longestLineNumber = static_cast<uint32_t>(index.lineTable.size());
    }
}

void AddLine(LineIndex& index, size_t start, size_t end) {
    index.lineTable.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)});
}

int Build(LineIndex& index) {
    if (index.text.size() > kMaxIndexedSize) return 0;
    index.lineTable.clear();
    index.lineCount = 0;
    index.tailLine = 0;
    index.longestLength = 0;
    index.longestLineNumber = 0;
    const std::string& text = index.text;
    try {
        size_t start = 0;
        for (size_t end = NextLineEnd(text, 0); end < text.size(); end = NextLineEnd(text, start)) {
            AddLine(index, start, end);
            NoteLongest(index, static_cast<uint32_t>(end - start));
            start = end + 2;
        }
        index.lineCount = static_cast<uint32_t>(index.lineTable.size());
        // Bytes after the last CR LF are one more line, even when they end with a lone LF.
        if (start < text.size()) {
            AddLine(index, start, text.size());
            index.tailLine = 1;
        }
    } catch (const std::bad_alloc&) {
        index.lineTable.clear();
        index.lineCount = 0;
        return 0;
    }
    return 1;
}

// A table built for another text must not lead outside this one.
bool InText(const LineIndex& index, const LineEntry& entry, size_t after) {
    return static_cast<size_t>(entry.start) + entry.length + after <= index.text.size();
}

int Get(LineIndex& index) {
    if (index.lineNumber == 0 || index.lineNumber > index.lines() ||
        index.lineNumber > index.lineTable.size()) {
        return 0;
    }
    const LineEntry& entry = index.lineTable[index.lineNumber - 1];
    if (!InText(index, entry, 0)) return 0;
    index.linePointer = index.text.data() + entry.start;
    index.lineLength = entry.length;
    return 1;
}

void CloseOutput(LineIndex& index) {
    // Still open here only when its translation did not complete: it is not kept.
    DiscardStagedFile(index.outputHandle);
}

int Release(LineIndex& index) {
    std::string().swap(index.text);
    std::vector<LineEntry>().swap(index.lineTable);
    CloseOutput(index);
    index.lineCount = 0;
    index.tailLine = 0;
    index.lineNumber = 0;
    index.lineLength = 0;
    index.linePointer = nullptr;
    index.command = LineCommand::None;
    index.longestLength = 0;
    index.longestLineNumber = 0;
    return 1;
}

// Makes each CR LF-terminated line a NUL-terminated string in place; a tail line is already
// ended by the NUL behind the text.
int TerminateLines(LineIndex& index) {
    if (index.lineTable.empty()) return 0;
    for (uint32_t i = 0; i < index.lineCount && i < index.lineTable.size(); ++i) {
        const LineEntry& entry = index.lineTable[i];
        if (!InText(index, entry, 2)) return 0;
        index.text[entry.start + entry.length] = '\0';
        index.text[entry.start + entry.length + 1] = '\0';
    }
    return 1;
}

}  // namespace

LineIndex::~LineIndex() {
    CloseOutput(*this);
}

int LineIndexCommand(LineIndex& index) {
    // Releasing always works, so that no file of any size keeps its output file open.
    if (index.command == LineCommand::Release) return Release(index);
    if (index.text.size() <= 2) return 0;
    switch (index.command) {
        case LineCommand::Build:
            return Build(index);
        case LineCommand::Get:
        case LineCommand::GetLine:
            return Get(index);
        case LineCommand::TerminateLines:
            return TerminateLines(index);
        case LineCommand::Release:
        case LineCommand::None:
            break;
    }
    return 0;
}

bool GetLine(LineIndex& index, uint32_t n, std::string_view& line) {
    index.lineNumber = n;
    index.command = LineCommand::GetLine;
    if (LineIndexCommand(index) == 0) return false;
    line = std::string_view(index.linePointer, index.lineLength);
    return true;
}

}  // namespace ondavel
