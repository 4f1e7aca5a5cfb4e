// Separating the code of a line from its C comments.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/line_index.h"
#include "core/text.h"

namespace ondavel {

// What a line holds besides its code, as SplitComment found it.
struct LineParts {
    bool hasCode = false;
    bool completeComment = false;  // a // comment, a closed /* */, or the line closing one
    bool openComment = false;      // a /* comment still open at the end of the line

    bool hasComment() const { return completeComment || openComment; }
    bool operator==(const LineParts&) const = default;
};

// Splits line into its code, which replaces line (without leading blanks or comments) when
// there is any, and its comments, which go to comment as ";" followed by their text.
// inBlockComment carries an open "/*" comment from one line to the next.
LineParts SplitComment(std::string& line, std::string& comment, bool& inBlockComment);

// The code of raw, a line of index, trimmed, as copying it with CopyIndexedLine and splitting
// it with SplitComment would leave it, when that is all the split would do: outside a comment,
// a line that copies whole and holds no '/' is all code, and no comment. nullopt when the line
// has to be copied and split, or holds no code. Inline: every line of a batch is read so, most
// of them twice.
inline std::optional<std::string_view> UncommentedCode(const LineIndex& index, std::string_view raw,
                                                       bool inBlockComment) {
    if (inBlockComment || !index.TerminatorFree() || raw.size() >= kLineLimit ||
        raw.find('/') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view code = TrimEnds(raw);
    if (code.empty()) return std::nullopt;
    return code;
}

}  // namespace ondavel
