#include "declarations/tag_body.h"

#include <gtest/gtest.h>

#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class TagBodyTest : public HeaderFixture {};

// A body counts only before the next conditional directive, with its brace on the line of
// "struct TAG" or first on the next; the tag must be the whole name after the keyword.
TEST_F(TagBodyTest, FindsABodyOfTheTagBeforeTheBranchEnds) {
    LineIndex& index = Header(
        "typedef struct _S S;\r\n"    // 1: the statement
        "struct _S;\r\n"              // 2: no body
        "typedef struct _S *PS;\r\n"  // 3: no body
        "struct _SX { int a; };\r\n"  // 4: another tag
        "#if A\r\n"                   // 5: the branch ends
        "struct _S {\r\n"             // 6: a body
        "typedef union _U\r\n"        // 7: a union's body, its brace below
        "  { int a; } U;\r\n"         // 8
        "struct _V // x\r\n"          // 9: the next line holds no brace
        "int v;\r\n");                // 10
    EXPECT_FALSE(TagBodyFollows(index, 1, "_S"));
    EXPECT_TRUE(TagBodyFollows(index, 1, "_SX"));
    EXPECT_TRUE(TagBodyFollows(index, 5, "_S"));
    EXPECT_TRUE(TagBodyFollows(index, 5, "_U"));
    EXPECT_FALSE(TagBodyFollows(index, 5, "_V"));
    EXPECT_FALSE(TagBodyFollows(index, 5, "S"));
}

}  // namespace
}  // namespace ondavel::testing
