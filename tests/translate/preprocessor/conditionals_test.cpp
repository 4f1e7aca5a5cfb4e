#include <gtest/gtest.h>

#include <string>

#include "preprocessor/directives.h"
#include "session/output.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class ConditionalTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseBundledKnowledge();
        OpenJournal(session);
    }
    // Scans the #if statement of text that begins on line 1 and translates it. Returns what
    // the translation returns.
    uint32_t TranslateIfAt1(const std::string& text, HeapBlock* destination = kToOutput) {
        LineIndex& index = Header(text);
        EXPECT_TRUE(ScanStatement(session, 1, index));
        return TranslateIf(session, {index, 1}, destination, IfForm::If);
    }
};

// Inside structures and prototypes the line is held back in a block, as one piece; the level
// it opens counts all the same. The line returned is the last one read, where the reader of a
// structure goes on. A "defined(" without its ')' takes the rest of the line and ends the
// condition.
TEST_F(ConditionalTest, TranslatesOneStatementAndReturnsTheLastLineRead) {
    HeapBlock block;
    EXPECT_EQ(TranslateIfAt1("#if A >= 0x10 // c\r\n", &block), 1u);
    EXPECT_EQ(block.view(), std::string_view("IF  VALUEOF(A) GE 010h; c\0", 26));
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(session.header.ifDepth, 1);
    EXPECT_EQ(TranslateIfAt1("#if A && \\\r\n// between\r\n\r\n  B // b\r\nint x;\r\n"), 4u);
    EXPECT_EQ(host.view, "IF  VALUEOF(A) AND  VALUEOF(B); b\r\n");
    host.view.clear();
    EXPECT_EQ(TranslateIfAt1("#if defined(X \\\r\n  Y)\r\n"), 1u);
    EXPECT_EQ(host.view, "IF DEFINED(X \\\r\n");
    EXPECT_EQ(session.header.ifDepth, 3);
    EXPECT_EQ(Journal(), "");
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
