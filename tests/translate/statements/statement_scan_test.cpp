#include "statements/statement_scan.h"

#include <gtest/gtest.h>

#include "core/comment_split.h"
#include "core/text.h"
#include "statements/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class StatementScanTest : public HeaderFixture {
  protected:
    // Scans the statement at line 1 of text, as the driver would for that first line.
    bool Scan(const std::string& text, StatementKind kind = StatementKind::Other,
              ScanEnd end = ScanEnd::StatementEnd) {
        LineIndex& index = Header(text);
        session.statement.statementKind = kind;
        return ScanStatement(session, 1, index, end);
    }
    const StatementCounts& counts() { return session.statement.counts; }
};

TEST_F(StatementScanTest, FindsTheLastLine) {
    struct Case {
        const char* text;
        StatementKind kind;
        uint32_t lastLine;
    } const cases[] = {
        {"int a =\r\n  1 +\r\n  2;\r\nint g;\r\n", StatementKind::Other, 3},
        {"EXTERN_C i++\r\nint g;\r\n", StatementKind::Other, 1},
        {"EXTERN_C i +\r\n1;\r\n", StatementKind::Other, 2},
        {"s = \"text\"\r\nint g;\r\n", StatementKind::Other, 1},
        {".model flat\r\nint g;\r\n", StatementKind::Other, 1},
        // NAME(...) ends at its line unless the next one opens a list or holds a ';'.
        {"FOO(a)\r\n#pragma once\r\n", StatementKind::Other, 1},
        {"FOO(a)\r\n(b,\r\nc);\r\n", StatementKind::Other, 3},
        {"FOO(a)\r\n/* c */\r\nint x;\r\n", StatementKind::Other, 3},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Scan(c.text, c.kind)) << c.text;
        EXPECT_EQ(counts().lastLine, c.lastLine) << c.text;
        EXPECT_EQ(counts().statementLines, c.lastLine) << c.text;
    }
}

// Asked to, a statement ends before a directive line once its brackets are closed; a line
// continued with a backslash, an open list or body, or its own first line do not end it.
TEST_F(StatementScanTest, CanEndBeforeADirectiveLine) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"API MATH(a, int)\r\nAPI MATH(b, int)\r\n#endif\r\nint g;\r\n", 2},
        {"_C_STD_END\r\n// c\r\n# endif\r\n", 1},
        {"int f(a) \\\r\n#endif\r\nint g;\r\n", 2},
        {"int f(int a,\r\n#ifdef X\r\n int b);\r\n", 3},
        {"struct S {\r\n#ifdef X\r\n int b;\r\n#endif\r\n};\r\n", 5},
        {"#if A \\\r\n  && B\r\n#endif\r\n", 2},
    };
    for (const auto& [text, lastLine] : cases) {
        ASSERT_TRUE(Scan(text, StatementKind::Other, ScanEnd::BeforeDirective)) << text;
        EXPECT_EQ(counts().lastLine, lastLine) << text;
    }
    ASSERT_TRUE(Scan(cases[0].first));
    EXPECT_EQ(counts().lastLine, 4u);
}

TEST_F(StatementScanTest, AWordLookingLikeAConditionalBeforeABodyIsADeclaration) {
    ASSERT_TRUE(Scan("DIFFUSE\r\nfoo {\r\n};\r\n", StatementKind::If));
    EXPECT_EQ(counts().lastLine, 3u);
    EXPECT_EQ(session.statement.statementKind, StatementKind::Other);
    ASSERT_FALSE(Scan("DIFFUSE\r\n#endif\r\n", StatementKind::If));
    EXPECT_EQ(session.statement.statementKind, StatementKind::If);
}

// Brackets inside literals are not counted, the other characters are.
TEST_F(StatementScanTest, CountsPunctuation) {
    ASSERT_TRUE(Scan("x = \"(\" ',' '[';\r\n"));
    EXPECT_EQ(counts().openParens, 0u);
    EXPECT_EQ(counts().quotes, 6u);
    EXPECT_EQ(counts().commas, 1u);
    EXPECT_EQ(counts().openBrackets, 1u);
    EXPECT_EQ(counts().equalSigns, 1u);
}

TEST_F(StatementScanTest, RecognisesCallFormAndCppSyntax) {
    // A blank before the first '(' makes no call form. Lines are read sixteen characters at a
    // time: blanks and pairs count across the blocks.
    ASSERT_TRUE(Scan("int x;  call_a_long_function(1);\r\n"));
    EXPECT_FALSE(counts().callForm);
    ASSERT_TRUE(Scan("abcdefghijklmnopq r(1);\r\n"));
    EXPECT_FALSE(counts().callForm);
    ASSERT_TRUE(Scan("abcdefghijklmnopqrstu(1);\r\n"));
    EXPECT_TRUE(counts().callForm);
    ASSERT_TRUE(Scan("f\t(1);\r\n"));
    EXPECT_FALSE(counts().callForm);
    ASSERT_TRUE(Scan("int\r\nf(1);\r\n"));  // only the first line's '(' makes one
    EXPECT_FALSE(counts().callForm);
    ASSERT_TRUE(Scan("abcdefghijklmno->x;\r\n"));
    EXPECT_TRUE(counts().cppSyntax);

    ASSERT_TRUE(Scan("A::B x;\r\n"));
    EXPECT_TRUE(counts().cppSyntax);
    session.run.oleviewMode = true;
    ASSERT_TRUE(Scan("A::B x;\r\n"));
    EXPECT_FALSE(counts().cppSyntax);
}

// The later branches of a conditional opened inside the statement repeat what the first one
// opens and closes: only the first counts towards the statement's end, though every bracket
// is counted.
TEST_F(StatementScanTest, OnlyTheFirstBranchOfAConditionalDecidesTheEnd) {
    ASSERT_TRUE(Scan("int f(\r\n#ifdef X\r\nint a\r\n#else\r\nint b)\r\n#endif\r\n);\r\n"));
    EXPECT_EQ(counts().lastLine, 7u);
    EXPECT_EQ(counts().closeParens, 2u);
    ASSERT_TRUE(
        Scan("struct S {\r\n#if A\r\nstruct { int a; } x;\r\n#else\r\nunion {\r\n"
             "int b; } y;\r\n#endif\r\n};\r\nint g;\r\n"));
    EXPECT_EQ(counts().lastLine, 8u);
    EXPECT_EQ(counts().openBraces, 3u);
    EXPECT_EQ(counts().closeBraces, 3u);
    // A lone '#' is a directive of nothing (found by the fuzzer: it read past the line).
    ASSERT_TRUE(Scan("int f(\r\n#  \r\nint a);\r\n"));
    EXPECT_EQ(counts().lastLine, 3u);
}

TEST_F(StatementScanTest, ALineOfTheNextStatementAddsNothing) {
    ASSERT_TRUE(Scan("#define A \\\r\n#define B(x) (x, 1)\r\n", StatementKind::Define));
    EXPECT_EQ(counts().lastLine, 1u);
    EXPECT_EQ(counts().openParens, 0u);
    EXPECT_EQ(counts().commas, 0u);
    EXPECT_EQ(counts().backslashes, 1u);
}

TEST_F(StatementScanTest, ReportsAStatementRunningPastTheEnd) {
    EXPECT_FALSE(Scan("int f(int a,\r\nint b\r\n"));
    EXPECT_EQ(counts().lastLine, 1u);
    EXPECT_FALSE(Scan("int f(void)"));
}

// A first line that the walk split already is taken as given: the counts are those of reading
// it. After the first word blanked the line in the header ("__extension__"), the walk reads
// it anew, and the blanks that went with the word no longer stand before its call's '('.
TEST_F(StatementScanTest, AFirstLineGivenCountsAsOneRead) {
    const std::pair<std::string, StatementKind> cases[] = {
        {"int f(int a, /* c */\r\n int b);\r\n", StatementKind::Other},
        {"#define M(x) (x+ \\\r\n1)\r\n", StatementKind::Define},
        {"FOO(a) /* open\r\n*/\r\nint x;\r\n", StatementKind::Other},
    };
    for (const auto& [text, kind] : cases) {
        ASSERT_TRUE(Scan(text, kind)) << text;
        const StatementCounts read = counts();
        const bool commentAfter = session.statement.commentOpenAfter;
        std::string line(text.substr(0, text.find('\r')));
        std::string comment;
        bool open = false;
        SplitComment(line, comment, open);
        const FirstLineCode first{TrimEnds(line), open};
        ASSERT_TRUE(
            ScanStatement(session, 1, session.run.inputIndex, ScanEnd::StatementEnd, &first));
        EXPECT_EQ(counts().lastLine, read.lastLine) << text;
        EXPECT_EQ(counts().callForm, read.callForm) << text;
        EXPECT_EQ(counts().commas, read.commas) << text;
        EXPECT_EQ(counts().openParens, read.openParens) << text;
        EXPECT_EQ(session.statement.commentOpenAfter, commentAfter) << text;
    }
    UseKnowledge("");
    TranslateFile(session, Header("__extension__ f(x);\r\n"));
    EXPECT_TRUE(counts().callForm);
}

}  // namespace
}  // namespace ondavel::testing
