#include "core/character_marks.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace ondavel {
namespace {

// Each byte of a block is marked in its own place, bytes that differ from a set character by
// the high bit alone are not, and the count of marks is right for every one of the 65,536 ways
// a block can be marked.
TEST(CharacterMarksTest, MarksEveryPlaceAndCountsEveryPattern) {
    for (size_t place = 0; place < kMarkedBlock; ++place) {
        std::string block(kMarkedBlock, '\xA0');
        block[place] = '(';
        EXPECT_EQ(MarkAnyOf(block.data(), "(\t"), 1u << place) << place;
        EXPECT_EQ(MarkAnyOf(block.data(), " "), 0u) << place;
    }
    for (unsigned marks = 0; marks <= 0xFFFFu; ++marks) {
        ASSERT_EQ(CountMarks(marks), static_cast<unsigned>(std::popcount(marks))) << marks;
    }
}

}  // namespace
}  // namespace ondavel
