// The assembler reads a statement as one logical line of limited length: a line that ends
// with '\' is joined to the next one before it is read.
#pragma once

#include <cstddef>
#include <string_view>

namespace ondavel {

// The longest logical line MASM takes, in characters.
inline constexpr size_t kAssemblerLineLimit = 512;

// The length of the longest logical line of text (lines ended by CR LF), each '\' that
// continues a line left out.
size_t LongestLogicalLine(std::string_view text);

}  // namespace ondavel
