#include "core/heap_block.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"

namespace ondavel {
namespace {

// Bytes and pieces survive every growth in order, each piece with its one NUL, the bytes past
// the used part stay zero (a name list is read up to its first empty piece), and a released
// block starts again from nothing.
TEST(HeapBlockTest, BytesAndPiecesSurviveGrowthAndRelease) {
    HeapBlock block;
    EXPECT_FALSE(AppendToHeapBlock(block, ""));
    std::string all;
    for (const size_t length : {1000u, 23u, 1u, 2001u, 5000u}) {
        const std::string bytes(length, static_cast<char>('a' + all.size() % 26));
        ASSERT_TRUE(AppendToHeapBlock(block, bytes));
        all += bytes;
        ASSERT_TRUE(AppendPieceToHeapBlock(block, "piece"));
        all += std::string("piece") + '\0';
        ASSERT_TRUE(AppendPieceToHeapBlock(block, ""));
        all += '\0';
    }
    EXPECT_EQ(block.view(), all);
    ASSERT_GT(block.capacity, block.used);
    EXPECT_EQ(std::string_view(block.data.get(), block.capacity).substr(block.used),
              std::string(block.capacity - block.used, '\0'));

    TruncateHeapBlock(block, 3);
    EXPECT_EQ(block.view(), all.substr(0, 3));
    EXPECT_EQ(block.data[3], '\0');
    ReleaseHeapBlock(block);
    EXPECT_TRUE(block.data == nullptr && block.used == 0 && block.capacity == 0);
    ASSERT_TRUE(AppendToHeapBlock(block, "xy"));
    EXPECT_EQ(block.view(), "xy");
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
