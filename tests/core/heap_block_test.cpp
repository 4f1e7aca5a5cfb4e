#include "core/heap_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"

namespace ondavel {
namespace {

using namespace std::string_view_literals;
using ondavel::testing::RecordingHost;

struct Growth {
    uint32_t length;
    uint32_t capacity;  // expected after the append
};

TEST(HeapBlockTest, CapacityGrowsByWholeMultiples) {
    struct Case {
        const char* name;
        uint32_t growthStep;
        std::vector<Growth> appends;
    };
    const Case cases[] = {
        {"1500 bytes at once", 0, {{1500, 2048}}},
        {"room for one spare byte", 0, {{1023, 1024}, {1, 2048}}},
        {"exact fit keeps the capacity", 0, {{1000, 1024}, {23, 1024}, {1, 2048}}},
        // 3,001 bytes round up to 3 x 1,024; the next growth is a multiple of 3,072.
        {"multiples of the capacity held", 0, {{1000, 1024}, {2000, 3072}, {100, 6144}}},
        {"chosen growth step", 100, {{50, 100}, {60, 200}, {100, 400}}},
        {"first allocation by the step", 100, {{150, 200}}},
    };
    for (const Case& c : cases) {
        HeapBlock block;
        block.growthStep = c.growthStep;
        uint32_t used = 0;
        for (const Growth& g : c.appends) {
            const std::string bytes(g.length, 'b');
            ASSERT_EQ(WriteToBlocHeap(block, bytes), 1) << c.name;
            used += g.length;
            EXPECT_EQ(block.capacity, g.capacity) << c.name << " after " << g.length;
            EXPECT_EQ(block.used, used) << c.name;
        }
        EXPECT_EQ(block.view(), std::string(used, 'b')) << c.name;
    }
}

TEST(HeapBlockTest, FirstAppendChoosesTheDefaultStepAndZeroFills) {
    HeapBlock block;
    EXPECT_EQ(WriteToBlocHeap(block, "abc"), 1);
    EXPECT_EQ(WriteToBlocHeap(block, "de"), 1);
    EXPECT_EQ(block.growthStep, kDefaultGrowthStep);
    EXPECT_EQ(block.view(), "abcde");
    const std::string_view all(block.data.get(), block.capacity);
    EXPECT_EQ(all.substr(5), std::string(block.capacity - 5, '\0'));
}

TEST(HeapBlockTest, EmptyAppendChangesNothing) {
    HeapBlock block;
    EXPECT_EQ(WriteToBlocHeap(block, ""), 0);
    EXPECT_EQ(block.data, nullptr);
    EXPECT_EQ(block.growthStep, 0u);
    EXPECT_EQ(block.capacity, 0u);
}

TEST(HeapBlockTest, PiecesEndWithOneNul) {
    HeapBlock block;
    EXPECT_EQ(AppendPiece(block, "ab"), 1);
    EXPECT_EQ(AppendPiece(block, ""), 1);
    EXPECT_EQ(AppendPiece(block, "c"), 1);
    EXPECT_EQ(block.view(), "ab\0\0c\0"sv);
    // A piece counts its NUL when the capacity is worked out: 1,023 + 1 bytes need 2,048.
    HeapBlock full;
    EXPECT_EQ(AppendPiece(full, std::string(1023, 'x')), 1);
    EXPECT_EQ(full.capacity, 2048u);
}

TEST(HeapBlockTest, ReleaseEmptiesTheBlockForReuse) {
    RecordingHost host;
    HeapBlock block;
    block.growthStep = 100;
    block.reporter = &host;
    EXPECT_EQ(ReleaseBlocHeap(block), 0);
    ASSERT_EQ(WriteToBlocHeap(block, std::string(150, 'a')), 1);
    EXPECT_EQ(ReleaseBlocHeap(block), 1);
    EXPECT_EQ(block.data, nullptr);
    EXPECT_EQ(block.used, 0u);
    EXPECT_EQ(block.capacity, 0u);
    EXPECT_EQ(block.growthStep, 100u);
    EXPECT_EQ(block.reporter, &host);
    EXPECT_EQ(ReleaseBlocHeap(block), 0);
    // Refilled, it starts over from the growth step.
    ASSERT_EQ(WriteToBlocHeap(block, "xy"), 1);
    EXPECT_EQ(block.capacity, 100u);
    EXPECT_EQ(block.view(), "xy");
    EXPECT_TRUE(host.messages.empty());
}

TEST(HeapBlockTest, GrowthBeyondThirtyTwoBitsFailsAndIsShown) {
    RecordingHost host;
    HeapBlock block;
    block.reporter = &host;
    ASSERT_EQ(WriteToBlocHeap(block, "abc"), 1);
    // Pretend the block is nearly 4 GiB full: the next growth cannot be counted in 32 bits.
    block.used = 0xFFFFFF00u;
    block.capacity = 0xFFFFFF01u;
    EXPECT_EQ(WriteToBlocHeap(block, std::string(0x100, 'z')), 0);
    EXPECT_EQ(block.used, 0xFFFFFF00u);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "WriteToBlocHeap HeapReAlloc");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
}

}  // namespace
}  // namespace ondavel
