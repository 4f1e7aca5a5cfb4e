#include "statements/conditional_span.h"

#include <gtest/gtest.h>

#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class ConditionalSpanTest : public HeaderFixture {};

// Blocks opened and closed inside the lines go with them, nested or not; what is left is in
// source order: closers of earlier blocks, openers and their #else and #elif lines.
TEST_F(ConditionalSpanTest, KeepsOnlyTheLinesOfBlocksNotClosedWithin) {
    LineIndex& index = Header(
        "#endif\r\n"         // 1: closes a block opened before
        "int a;\r\n"         // 2
        "#ifdef A\r\n"       // 3: closed at 7, inner block and #else with it
        "# if B\r\n"         // 4
        "#else\r\n"          // 5
        "#endif\r\n"         // 6
        "#endif\r\n"         // 7
        "  #ifndef C\r\n"    // 8: left open
        "#elif D\r\n"        // 9
        "#define E\r\n"      // 10: not a conditional
        "#ifdef F // x\r\n"  // 11: closed at 12
        "#endif\r\n"         // 12
        "#else\r\n"          // 13
        "#ifdefX\r\n");      // 14: not a directive word of its own
    EXPECT_EQ(FindUnmatchedConditionals(index, 1, 14), (std::vector<uint32_t>{1, 8, 9, 13}));
    EXPECT_EQ(FindUnmatchedConditionals(index, 4, 7), (std::vector<uint32_t>{7}));
    EXPECT_TRUE(FindUnmatchedConditionals(index, 3, 7).empty());
}

}  // namespace
}  // namespace ondavel::testing
