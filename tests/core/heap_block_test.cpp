#include "core/heap_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"

namespace ondavel {
namespace {

using Appends = std::vector<std::pair<uint32_t, uint32_t>>;  // length, capacity after it

// The first allocation is a multiple of the growth step (1,024 unless chosen), each later one a
// multiple of the capacity held before it, and one spare byte is always kept: 1,000 + 2,001
// bytes round up to 3 x 1,024, and the next growth to a multiple of 3,072.
TEST(HeapBlockTest, CapacityGrowsByWholeMultiples) {
    const std::pair<uint32_t, Appends> cases[] = {{0, {{1500, 2048}}},
                                                  {0, {{1000, 1024}, {23, 1024}, {1, 2048}}},
                                                  {0, {{1000, 1024}, {2001, 3072}, {100, 6144}}},
                                                  {100, {{150, 200}, {60, 400}}}};
    for (const auto& [step, appends] : cases) {
        HeapBlock block;
        block.growthStep = step;
        std::string all;
        for (const auto& [length, capacity] : appends) {
            const std::string bytes(length, static_cast<char>('a' + all.size() % 26));
            ASSERT_TRUE(AppendToHeapBlock(block, bytes));
            all += bytes;
            EXPECT_EQ(block.capacity, capacity) << step << " after " << all.size();
        }
        EXPECT_EQ(block.view(), all);
        // The bytes past the used part are zero.
        EXPECT_EQ(std::string_view(block.data.get(), block.capacity).substr(block.used),
                  std::string(block.capacity - block.used, '\0'));
    }
}

TEST(HeapBlockTest, PiecesEndWithOneNulAndReleaseKeepsTheGrowthStep) {
    HeapBlock block;
    EXPECT_FALSE(AppendToHeapBlock(block, ""));
    EXPECT_TRUE(AppendPieceToHeapBlock(block, std::string(1022, 'x')));
    EXPECT_TRUE(AppendPieceToHeapBlock(block, ""));
    // Each piece counts its NUL: 1,023 + 1 bytes and the spare one need 2,048.
    EXPECT_EQ(block.view(), std::string(1022, 'x').append(2, '\0'));
    EXPECT_EQ(block.capacity, 2048u);
    block.growthStep = 100;
    ReleaseHeapBlock(block);
    EXPECT_TRUE(block.data == nullptr && block.used == 0 && block.capacity == 0);
    ASSERT_TRUE(AppendToHeapBlock(block, "xy"));
    EXPECT_EQ(block.capacity, 100u);
}

TEST(HeapBlockTest, GrowthBeyondThirtyTwoBitsFailsAndIsShown) {
    testing::RecordingHost host;
    HeapBlock block;
    block.reporter = &host;
    ASSERT_TRUE(AppendToHeapBlock(block, "abc"));
    // Pretend the block is nearly 4 GiB full: the next growth cannot be counted in 32 bits.
    block.used = 0xFFFFFF00u;
    block.capacity = 0xFFFFFF01u;
    EXPECT_FALSE(AppendToHeapBlock(block, std::string(0x100, 'z')));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "WriteToBlocHeap HeapReAlloc");
}

}  // namespace
}  // namespace ondavel
