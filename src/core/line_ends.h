// Line ends as they are read: lines end with CR LF. A Unix text file, or a header edited on
// both systems that mixes the two ends, has lines ending in a lone LF: each such LF becomes
// CR LF. A lone CR stays an ordinary byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ondavel {

// Reserves room in text for size bytes expanded: a header's lines are some forty bytes long, so
// a sixteenth more holds a CR for each.
inline void ReserveExpanded(std::string& text, size_t size) {
    text.reserve(size + size / 16 + 16);
}

// Where an expansion stands between two pieces of one file's bytes.
struct Expansion {
    bool crBefore = false;  // the last byte appended was a CR
    size_t lineStart = 0;   // offset in the text of the line that no LF has ended yet
};

// Appends bytes to text, each LF that no CR precedes as CR LF, and calls onLine(start, length)
// for each line that an LF ends: its offset in text and its length without the CR LF. Every LF
// of the result ends a line so: a CR stands before each one.
template <typename OnLine>
void AppendExpanded(std::string& text, std::string_view bytes, Expansion& state, OnLine onLine) {
    size_t from = 0;
    for (size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n', from)) {
        // The line and its LF go in together; a CR goes before the LF where none stands.
        const bool hasCr = lf > 0 ? bytes[lf - 1] == '\r' : state.crBefore;
        if (hasCr) {
            text.append(bytes.data() + from, lf + 1 - from);
        } else {
            text.append(bytes.data() + from, lf - from).append("\r\n", 2);
        }
        onLine(state.lineStart, text.size() - 2 - state.lineStart);
        state.lineStart = text.size();
        from = lf + 1;
    }
    text.append(bytes.substr(from));
    if (!bytes.empty()) state.crBefore = bytes.back() == '\r';
}

}  // namespace ondavel
