#include "core/comment_split.h"

#include <gtest/gtest.h>

namespace ondavel {
namespace {

struct SplitCase {
    const char* input;
    bool openBefore;
    const char* line;  // the line afterwards
    const char* comment;
    LineParts result;
    bool openAfter;
};

constexpr LineParts kNothing{}, kCode{true}, kComment{false, true}, kCodeAndComment{true, true};
constexpr LineParts kOpen{false, false, true}, kCodeAndOpen{true, false, true};

TEST(CommentSplitTest, SeparatesCodeFromComments) {
    const SplitCase cases[] = {
        {"  int a; /* x */ int b; // y", false, "int a;  int b; ", ";/* x */  y", kCodeAndComment,
         false},
        {"", false, "", "", kNothing, false},
        {"int a;", false, "int a;", "", kCode, false},
        {"   // c", false, "   // c", "; c", kComment, false},
        {"/* open", false, "/* open", ";/* open", kOpen, true},
        {"x; /* open", false, "x; ", ";/* open", kCodeAndOpen, true},
        {"/* a */ /* b", false, "/* a */ /* b", ";/* a */ /* b", kOpen, true},
        // Inside an open comment the whole line is comment, even what follows its end.
        {"  mid */ int x;", true, "  mid */ int x;", ";  mid */ int x;", kComment, false},
        {"still open", true, "still open", ";still open", kOpen, true},
        // Comment markers inside literals are code.
        {"s = \"/* no */\";", false, "s = \"/* no */\";", "", kCode, false},
        {"c = '/'; // d", false, "c = '/'; ", "; d", kCodeAndComment, false},
        {"s = \"open", false, "s = \"open", "", kCode, false},
        // Blanks left around a comment are not code: the comment line is kept.
        {"/* a */   ", false, "/* a */   ", ";/* a */ ", kComment, false},
    };
    for (const SplitCase& c : cases) {
        std::string line = c.input;
        std::string comment = "stale";
        bool open = c.openBefore;
        EXPECT_EQ(SplitComment(line, comment, open), c.result) << c.input;
        EXPECT_EQ(line, c.line) << c.input;
        EXPECT_EQ(comment, c.comment) << c.input;
        EXPECT_EQ(open, c.openAfter) << c.input;
    }
}

}  // namespace
}  // namespace ondavel
