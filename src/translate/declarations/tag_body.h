// Whether a structure's body is still to come in the branch of the header being read: an alias
// of its tag must not come before it, as the assembler wants a structure before its TYPEDEF.
#pragma once

#include <cstdint>
#include <string_view>

namespace ondavel {

class LineIndex;

// Whether a line after line `last` and before the next conditional directive (so under the
// same conditions) opens a body of the structure or union tag: "struct TAG {", the brace on
// that line or first on the next one.
bool TagBodyFollows(const LineIndex& index, uint32_t last, std::string_view tag);

}  // namespace ondavel
