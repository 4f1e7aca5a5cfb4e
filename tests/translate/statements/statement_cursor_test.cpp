#include "statements/statement_cursor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class StatementCursorTest : public HeaderFixture {
  protected:
    // The lines (number and code) on which a walk through the statement of text finds a '}',
    // reading every line or only those NextLineWith reads.
    std::vector<std::pair<uint32_t, std::string>> ClosingBraceLines(const std::string& text,
                                                                    bool everyLine) {
        LineIndex& index = Header(text);
        session.statement.counts.lastLine = index.lines();
        session.header.inBlockComment = false;
        StatementCursor cursor(session, {index, 1});
        std::vector<std::pair<uint32_t, std::string>> found;
        for (bool read = cursor.Start(); read;
             read = everyLine ? cursor.NextLine() : cursor.NextLineWith('}')) {
            if (cursor.Line().find('}') != std::string_view::npos) {
                found.emplace_back(cursor.LineNumber(), std::string(cursor.Line()));
            }
        }
        return found;
    }
};

// Passing over the lines without a '}' finds the braces that reading every line finds: none in
// a comment that runs over lines, none in a branch only C++ reads.
TEST_F(StatementCursorTest, ALineWithoutTheMarkIsPassedOverAsReadingItWould) {
    const std::string text =
        "struct S {\r\n"
        "    int a;\r\n"
        "#ifdef __cplusplus\r\n"
        "    void f() { }\r\n"
        "    int g;\r\n"
        "#endif\r\n"
        "    /* a comment } that\r\n"
        "       goes on } and on\r\n"
        "       } to here */ int b; }\r\n"
        "    // } in a line comment\r\n"
        "    struct { int c; } inner;\r\n"
        "    /* a comment that\r\n"
        "       holds a } brace */\r\n"
        "\r\n"
        "} NAME;\r\n";
    const auto every = ClosingBraceLines(text, true);
    EXPECT_EQ(ClosingBraceLines(text, false), every);
    // The line that closes a comment begun on an earlier line is comment to its end.
    const std::vector<std::pair<uint32_t, std::string>> expected = {
        {11, "struct { int c; } inner;"}, {15, "} NAME;"}};
    EXPECT_EQ(every, expected);
}

// A line without comment is read where it stands in the header, one with a comment from the
// cursor's buffer; blanking part of either changes the cursor's own copy, never the header nor a
// copy of the cursor, which reads on from the same place.
TEST_F(StatementCursorTest, BlankingALineChangesOnlyTheCursorsOwnCopy) {
    LineIndex& index = Header("int THIS_ a;\r\nint THIS_ b; // c\r\nint d;\r\n");
    session.statement.counts.lastLine = index.lines();
    session.header.inBlockComment = false;
    StatementCursor cursor(session, {index, 1});
    ASSERT_TRUE(cursor.Start());
    for (const std::string_view code : {"int THIS_ a;", "int THIS_ b;"}) {
        ASSERT_EQ(cursor.Line(), code);
        const StatementCursor copy = cursor;
        cursor.OwnLine().replace(4, 5, 5, ' ');
        EXPECT_EQ(cursor.Line(), std::string(code).replace(4, 5, 5, ' '));
        EXPECT_EQ(copy.Line(), code);
        std::string_view raw;
        ASSERT_TRUE(index.Line(cursor.LineNumber(), raw));
        EXPECT_TRUE(raw.starts_with(code));
        StatementCursor next = copy;
        ASSERT_TRUE(next.NextLine());
        EXPECT_EQ(next.LineNumber(), cursor.LineNumber() + 1);
        ASSERT_TRUE(cursor.NextLine());
    }
}

}  // namespace
}  // namespace ondavel::testing
