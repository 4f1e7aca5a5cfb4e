// Where a statement stands in the header being translated.
#pragma once

#include <cstdint>

namespace ondavel {

class LineIndex;

// A statement of a header: the header's text and the statement's first line. Where it ends is
// what the statement scan found (the session's statement counts): a translation that reads an
// alternative structure header moves that end as it goes.
struct StatementSpan {
    LineIndex& source;
    uint32_t firstLine;
};

}  // namespace ondavel
