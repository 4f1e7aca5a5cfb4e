#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/output.h"
#include "driver/statement_scan.h"
#include "preprocessor/directives.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

enum class Directive { If, Elif, Ifdef, Ifndef, Endif };

class ConditionalTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseBundledKnowledge();
        session.run.baseDirectory = dir_.path().string() + "/";
        OpenJournal(session);
    }
    std::string Journal() {
        CloseJournal(session);
        return ReadBytes(dir_ / "journal.txt");
    }
    // Scans the statement of text that begins on line 1 and translates it with the routine of
    // directive. Returns what the routine returns (the line number for #endif).
    uint32_t Translate(const std::string& text, Directive directive,
                       HeapBlock* destination = nullptr) {
        LineIndex& index = Header(text);
        EXPECT_EQ(ScanStatement(session, 1, index.lines(), index), 0);
        const uint32_t lines = index.lines();
        switch (directive) {
            case Directive::If:
                return TraduireIF(session, 1, lines, index, destination, false);
            case Directive::Elif:
                return TraduireIF(session, 1, lines, index, destination, true);
            case Directive::Ifdef:
                return TranslateIfdef(session, 1, lines, index, destination);
            case Directive::Ifndef:
                return TranslateIfndef(session, 1, lines, index, destination);
            case Directive::Endif:
                TranslateEndif(session, 1, lines, index);
                return 1;
        }
        return 0;
    }
};

// Inside structures and prototypes the line is held back in a block, as one piece; the level
// it opens counts all the same.
TEST_F(ConditionalTest, ALineForADestinationBecomesOnePieceOfIt) {
    struct Case {
        std::string text;
        Directive directive;
        std::string piece;
        int depthChange;
    };
    const std::vector<Case> cases = {
        {"#if A >= 0x10 // c\r\n", Directive::If, "IF  A GE 010h; c", 1},
        {"#elif defined B\r\n", Directive::Elif, "ELSEIF DEFINED(B)", 0},
        {"#ifdef  mask /* m */\r\n", Directive::Ifdef, "IFDEF _mask;/* m */ ", 1},
        {"#ifndef X\r\n", Directive::Ifndef, "IFNDEF X", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        HeapBlock block;
        const int32_t depthBefore = session.header.ifDepth;
        Translate(c.text, c.directive, &block);
        EXPECT_EQ(block.view(), c.piece + std::string(1, '\0'));
        EXPECT_EQ(session.header.ifDepth - depthBefore, c.depthChange);
    }
    EXPECT_EQ(host.view, "");
}

// The typedef translation asks whether an #ifdef UNICODE branch is running: only #ifdef sets
// the answer, only #endif clears it, and nesting is not followed.
TEST_F(ConditionalTest, TheUnicodeBranchFollowsIfdefAndEndif) {
    struct Step {
        std::string text;
        Directive directive;
        bool inUnicodeBranch;
    };
    const std::vector<Step> steps = {
        {"#ifdef UNICODE\r\n", Directive::Ifdef, true},
        {"#ifndef WIDE\r\n", Directive::Ifndef, true},
        {"#if !defined(UNICODE)\r\n", Directive::If, true},
        {"#ifdef OTHER\r\n", Directive::Ifdef, false},
        {"#ifdef _unicode_only // case ignored\r\n", Directive::Ifdef, true},
        {"#ifdef UNICODE\r\n", Directive::Ifdef, true},
        {"#ifdef X\r\n", Directive::Ifdef, false},
        {"#ifdef UNICODE\r\n", Directive::Ifdef, true},
        {"#endif\r\n", Directive::Endif, false},  // inner: the outer #ifdef UNICODE is forgotten
        {"#ifndef UNICODE\r\n", Directive::Ifndef, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        Translate(step.text, step.directive);
        EXPECT_EQ(session.header.inUnicodeBranch, step.inUnicodeBranch);
    }
}

// The conditionals tell their caller where they stopped reading.
TEST_F(ConditionalTest, ReturnsTheLastLineRead) {
    struct Case {
        std::string text;
        Directive directive;
        uint32_t lastLine;
        std::string output;
    };
    const std::vector<Case> cases = {
        {"#if A && \\\r\n// between\r\n\r\n  B // b\r\nint x;\r\n", Directive::If, 4,
         "IF  A AND  B; b\r\n"},
        {"#elif (A | \\\r\n  \\\r\n  B)\r\n", Directive::Elif, 3, "ELSEIF ( A OR  B)\r\n"},
        // A "defined(" without its ')' takes the rest of the line and ends the condition.
        {"#if defined(X \\\r\n  Y)\r\n", Directive::If, 1, "IF DEFINED(X \\\r\n"},
        {"#ifndef X\r\n", Directive::Ifndef, 1, "IFNDEF X\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        host.view.clear();
        EXPECT_EQ(Translate(c.text, c.directive), c.lastLine);
        EXPECT_EQ(host.view, c.output);
    }
    EXPECT_EQ(Journal(), "");
}

// A backslash that asks for a line beyond the statement ends the translation without output;
// an #if has counted its level by then, an #elif never does.
TEST_F(ConditionalTest, AContinuationPastTheStatementWritesNothing) {
    EXPECT_EQ(Translate("#if A \\ B\r\nint x;\r\n", Directive::If), 1u);
    EXPECT_EQ(session.header.ifDepth, 1);
    EXPECT_EQ(Translate("#elif A || \\ B\r\n", Directive::Elif), 1u);
    EXPECT_EQ(session.header.ifDepth, 1);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(Journal(), "d\xE9passement bloc : 1\r\nd\xE9passement bloc : 1\r\n");
}

// Inside a structure the statement is the whole structure: a condition reads its own line and
// the lines its backslashes join, no more.
TEST_F(ConditionalTest, InsideAStructureReadsOnlyItsOwnLines) {
    LineIndex& index = Header(
        "struct S {\r\n#if A\r\n  int a;\r\n#elif B && \\\r\n  C\r\n  int b;\r\n#endif\r\n};\r\n");
    ASSERT_EQ(ScanStatement(session, 1, index.lines(), index), 0);
    ASSERT_EQ(session.statement.counts.lastLine, 8u);
    HeapBlock block;
    EXPECT_EQ(TraduireIF(session, 2, index.lines() - 1, index, &block, false), 2u);
    EXPECT_EQ(TraduireIF(session, 4, index.lines() - 3, index, &block, true), 5u);
    EXPECT_EQ(block.view(), std::string("IF  A\0ELSEIF  B AND  C\0", 23));
}

// An #ifdef whose comment stays open leaves it open for whoever reads the next lines.
TEST_F(ConditionalTest, ACommentOpenedOnTheLineStaysOpen) {
    Translate("#ifdef X /* starts\r\n  ends */\r\n", Directive::Ifdef);
    EXPECT_EQ(host.view, "IFDEF X;/* starts\r\n");
    EXPECT_TRUE(session.header.inBlockComment);
}

// Lines too long for a line buffer never reach the translations through the driver, but a
// structure's reader may hand one over: nothing is written and no level counted.
TEST_F(ConditionalTest, AnOverLongLineIsRefused) {
    LineIndex& index =
        Header("#if " + std::string(1100, 'A') + "\r\n#ifdef " + std::string(1100, 'B') + "\r\n");
    session.statement.counts.lastLine = 2;
    EXPECT_EQ(TraduireIF(session, 1, 2, index, nullptr, false), 1u);
    EXPECT_EQ(TranslateIfdef(session, 2, 1, index, nullptr), 2u);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(session.header.ifDepth, 0);
    ASSERT_EQ(host.messages.size(), 1u);  // said once, by the statement reader
    EXPECT_EQ(host.messages[0].text, "Ligne Trop Longue");
}

}  // namespace
}  // namespace ondavel::testing
