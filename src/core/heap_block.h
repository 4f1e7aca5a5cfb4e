// Growable byte buffers for name lists and collected output.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace ondavel {

class Host;

// Capacity grows by whole multiples: the first allocation is the smallest multiple of 1,024
// that holds the bytes and one more, each later one the smallest multiple of the capacity
// before it that does. The bytes past `used` are always zero.
struct HeapBlock {
    std::unique_ptr<char[]> data;
    uint32_t used = 0;
    uint32_t capacity = 0;
    Host* reporter = nullptr;  // where an allocation failure is shown, if anywhere

    std::string_view view() const { return {data.get(), used}; }
};

// Appends the bytes; false when there is nothing to append or memory fails (shown on the
// block's reporter).
bool AppendToHeapBlock(HeapBlock& block, std::string_view bytes);
// Appends text followed by one NUL, a piece: the form of every entry of a name list and of
// every line of collected output. False when memory fails.
bool AppendPieceToHeapBlock(HeapBlock& block, std::string_view text);
// Forgets the bytes from used on (zeroing them); nothing happens when used is not below the
// block's own.
void TruncateHeapBlock(HeapBlock& block, uint32_t used);
// Frees the bytes; the reporter stays.
void ReleaseHeapBlock(HeapBlock& block);

}  // namespace ondavel
