#include "core/table_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace ondavel {
namespace {

// A table of 2 MiB or more starts on a 2 MiB boundary, and every byte asked for is its own,
// whether or not the size is a whole number of large pages; a small one is plain heap memory.
TEST(TableMemoryTest, LargeTablesStartOnLargePageBoundariesAndHoldTheirWholeSize) {
    constexpr size_t kLargePage = size_t{2} << 20;
    for (const size_t bytes : {size_t{64}, kLargePage - 1, kLargePage, 3 * kLargePage + 8}) {
        void* memory = AllocateTableMemory(bytes);
        ASSERT_NE(memory, nullptr) << bytes;
        if (bytes >= kLargePage) {
            EXPECT_EQ(reinterpret_cast<uintptr_t>(memory) % kLargePage, 0u) << bytes;
        }
        std::memset(memory, 0x5A, bytes);
        EXPECT_EQ(static_cast<unsigned char*>(memory)[bytes - 1], 0x5A) << bytes;
        FreeTableMemory(memory, bytes);
    }
}

}  // namespace
}  // namespace ondavel
