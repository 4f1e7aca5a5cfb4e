#include "core/comment_split.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/line_index.h"
#include "core/text.h"

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

constexpr LineParts kCode{true}, kComment{false, true}, kCodeAndComment{true, true};
constexpr LineParts kOpen{false, false, true}, kCodeAndOpen{true, false, true};

TEST(CommentSplitTest, SeparatesCodeFromComments) {
    const SplitCase cases[] = {
        {"  int a; /* x */ int b; // y", false, "int a;  int b; ", ";/* x */  y", kCodeAndComment,
         false},
        {"   // c", false, "   // c", "; c", kComment, false},
        {"/* open", false, "/* open", ";/* open", kOpen, true},
        {"x; /* open", false, "x; ", ";/* open", kCodeAndOpen, true},
        {"/* a */ /* b", false, "/* a */ /* b", ";/* a */ /* b", kOpen, true},
        // Inside an open comment the whole line is comment, even what follows its end.
        {"  mid */ int x;", true, "  mid */ int x;", ";  mid */ int x;", kComment, false},
        {"still open", true, "still open", ";still open", kOpen, true},
        // Comment markers inside literals are code.
        {"s = \"/* no */\";", false, "s = \"/* no */\";", "", kCode, false},
        {"c = '//'; // d", false, "c = '//'; ", "; d", kCodeAndComment, false},
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

// A line that needs no split is read where it stands: its code is the line trimmed, exactly
// what copying, splitting and trimming it give. Any line that may hold a comment, one read
// inside a comment, one that does not copy whole and one without code are left to the split.
TEST(CommentSplitTest, ALineWithoutCommentIsItsOwnCodeWithoutASplit) {
    struct Case {
        std::string line;
        bool inBlockComment;
        std::optional<std::string> code;
    };
    const Case cases[] = {
        {"\t  int a;  ", false, "int a;"},
        {"char *s = \"x\", c = 'y';", false, "char *s = \"x\", c = 'y';"},
        {"int a; // c", false, std::nullopt},
        {"x = a / b;", false, std::nullopt},
        {"int a;", true, std::nullopt},
        {" \t ", false, std::nullopt},
        {std::string(kLineLimit, 'x'), false, std::nullopt},
        {std::string(kLineLimit - 1, 'x'), false, std::string(kLineLimit - 1, 'x')},
    };
    for (const Case& c : cases) {
        LineIndex index;
        ASSERT_TRUE(index.Build(c.line + "\r\nend\r\n"));
        std::string_view raw;
        ASSERT_TRUE(index.Line(1, raw));
        const std::optional<std::string_view> code = UncommentedCode(index, raw, c.inBlockComment);
        EXPECT_EQ(code, c.code) << c.line.substr(0, 40);
        if (!code) continue;
        std::string copy;
        std::string comment;
        bool open = c.inBlockComment;
        ASSERT_TRUE(CopyIndexedLine(index, copy, raw));
        EXPECT_EQ(SplitComment(copy, comment, open), kCode);
        EXPECT_EQ(TrimEnds(copy), *code);
        EXPECT_EQ(comment, "");
        EXPECT_FALSE(open);
    }
    // A text that holds a NUL anywhere is copied up to it: its lines are always split.
    LineIndex withNul;
    ASSERT_TRUE(withNul.Build(std::string("int a;\r\nx\0y\r\n", 14)));
    std::string_view raw;
    ASSERT_TRUE(withNul.Line(1, raw));
    EXPECT_EQ(UncommentedCode(withNul, raw, false), std::nullopt);
}

}  // namespace
}  // namespace ondavel
