#include <gtest/gtest.h>

#include <string>

#include "preprocessor/directives.h"
#include "session/output.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

enum class Directive { If, Elif, Ifdef };

class ConditionalTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseBundledKnowledge();
        OpenJournal(session);
    }
    // Scans the statement of text that begins on line 1 and translates it with the routine of
    // directive. Returns what the routine returns.
    uint32_t Translate(const std::string& text, Directive directive,
                       HeapBlock* destination = kToOutput) {
        LineIndex& index = Header(text);
        EXPECT_TRUE(ScanStatement(session, 1, index));
        const StatementSpan statement{index, 1};
        if (directive == Directive::Ifdef) return TranslateIfdef(session, statement, destination);
        const IfForm form = directive == Directive::Elif ? IfForm::Elif : IfForm::If;
        return TranslateIf(session, statement, destination, form);
    }
};

// Each step runs on the state the steps before it left. Inside structures and prototypes the
// line is held back in a block, as one piece; the level it opens counts all the same.
TEST_F(ConditionalTest, TranslatesOneStatementAndReturnsTheLastLineRead) {
    using enum Directive;
    struct Step {
        std::string text;
        Directive directive;
        bool toBlock;
        uint32_t lastLine;
        std::string output;
        int depth;
    };
    const Step steps[] = {
        {"#if A >= 0x10 // c\r\n", If, true, 1, "IF  VALUEOF(A) GE 010h; c", 1},
        {"#elif defined B\r\n", Elif, true, 1, "ELSEIF DEFINED(B)", 1},
        {"#ifdef  mask /* m */\r\n", Ifdef, true, 1, "IFDEF _mask;/* m */ ", 2},
        {"#if A && \\\r\n// between\r\n\r\n  B // b\r\nint x;\r\n", If, false, 4,
         "IF  VALUEOF(A) AND  VALUEOF(B); b\r\n", 3},
        // A "defined(" without its ')' takes the rest of the line and ends the condition.
        {"#if defined(X \\\r\n  Y)\r\n", If, false, 1, "IF DEFINED(X \\\r\n", 4},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        host.view.clear();
        HeapBlock block;
        EXPECT_EQ(Translate(step.text, step.directive, step.toBlock ? &block : nullptr),
                  step.lastLine);
        EXPECT_TRUE(!step.toBlock || host.view.empty()) << host.view;
        EXPECT_EQ(step.toBlock ? block.view() : host.view,
                  step.output + (step.toBlock ? std::string(1, '\0') : ""));
        EXPECT_EQ(session.header.ifDepth, step.depth);
    }
    EXPECT_EQ(Journal(), "");
}

// A backslash that asks for a line beyond the statement ends the translation without output;
// unlike an #if, an #elif never counts a level.
TEST_F(ConditionalTest, AContinuationPastTheStatementWritesNothing) {
    EXPECT_EQ(Translate("#elif A || \\ B\r\n", Directive::Elif), 1u);
    EXPECT_EQ(session.header.ifDepth, 0);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(Journal(), "d\xE9passement bloc : 1\r\n");
}

// Lines too long for a line buffer never reach the translations through the driver, but a
// structure's reader may hand one over: nothing is written and no level counted.
TEST_F(ConditionalTest, AnOverLongLineIsRefused) {
    LineIndex& index =
        Header("#if " + std::string(1100, 'A') + "\r\n#ifdef " + std::string(1100, 'B') + "\r\n");
    session.statement.counts.lastLine = 2;
    EXPECT_EQ(TranslateIf(session, {index, 1}, kToOutput, IfForm::If), 1u);
    EXPECT_EQ(TranslateIfdef(session, {index, 2}, kToOutput), 2u);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(session.header.ifDepth, 0);
    ASSERT_EQ(host.messages.size(), 1u);  // said once, by the statement reader
    EXPECT_EQ(host.messages[0].text, "Ligne Trop Longue");
}

}  // namespace
}  // namespace ondavel::testing
