#include "core/comment_split.h"

#include <gtest/gtest.h>

namespace ondavel {
namespace {

struct SplitCase {
    const char* input;
    bool openBefore;
    const char* line;  // the line afterwards
    const char* comment;
    int result;
    bool openAfter;
};

TEST(CommentSplitTest, SeparatesCodeFromComments) {
    const SplitCase cases[] = {
        {"  int a; /* x */ int b; // y", false, "int a;  int b; ", ";/* x */  y", 3, false},
        {"", false, "", "", 0, false},
        {"int a;", false, "int a;", "", 1, false},
        {"   // c", false, "   // c", "; c", 2, false},
        {"/* open", false, "/* open", ";/* open", 4, true},
        {"x; /* open", false, "x; ", ";/* open", 5, true},
        {"/* a */ /* b", false, "/* a */ /* b", ";/* a */ /* b", 4, true},
        // Inside an open comment the whole line is comment, even what follows its end.
        {"  mid */ int x;", true, "  mid */ int x;", ";  mid */ int x;", 2, false},
        {"still open", true, "still open", ";still open", 4, true},
        // Comment markers inside literals are code.
        {"s = \"/* no */\";", false, "s = \"/* no */\";", "", 1, false},
        {"c = '/'; // d", false, "c = '/'; ", "; d", 3, false},
        {"s = \"open", false, "s = \"open", "", 1, false},
        // Blanks left around a comment are not code: the comment line is kept.
        {"/* a */   ", false, "/* a */   ", ";/* a */ ", 2, false},
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
