// Function-like macros seen from inside, where the golden cases cannot look: the message box
// of an over-long macro and the names collected for the list file.
#include <gtest/gtest.h>

#include <string>

#include "preprocessor/directives.h"
#include "session/output.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class MacroTest : public HeaderFixture {
  protected:
    void SetUp() override { OpenJournal(session); }
    // Scans the one statement of text as the driver does and translates it.
    void Translate(const std::string& text) {
        LineIndex& index = Header(text);
        session.statement.statementKind = StatementKind::Define;
        ASSERT_TRUE(ScanStatement(session, 1, index));
        TranslateMacro(session, {index, 1});
    }
};

// Three lines that bring the output to 2,051 characters: the frame's first lines (43), " p +"
// and a continuation (10), then twice a 990-letter word, " +" and a continuation (999 each).
std::string LongMacro(const std::string& lastLine) {
    return "#define LONGM(p) (p + \\\r\n" + std::string(990, 'A') + " + \\\r\n" +
           std::string(990, 'B') + " + \\\r\n" + lastLine + "\r\n";
}

// A macro that outgrows a buffer is refused silently or said in a message box, never journalled
// as one too long for the assembler's line (with "CC)" it fits, and is: see macros/longest).
TEST_F(MacroTest, LimitsDecideBetweenRefusingAndSaying) {
    struct Row {
        std::string lastLine;
        bool said;
    };
    const Row rows[] = {
        {"CCC)", false},                      // only the closing text does not fit
        {std::string(18, 'C') + ")", false},  // 2,070 may still be examined
        {std::string(19, 'C') + ")", true},   // 2,071 may not
        {"sizeof(T))", false},                // 2,061: the closing text does not fit
        // A sizeof group is measured with its quotes, which " strsize" leaves out.
        {"sizeof(\"" + std::string(13, '\'') + "\"))", true},  // 2,051 + 17 + 12 > 2,079
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lastLine);
        host.messages.clear();
        Translate(LongMacro(row.lastLine));
        EXPECT_TRUE(host.view.empty());
        ASSERT_EQ(host.messages.size(), row.said ? 1u : 0u);
        if (row.said) {
            EXPECT_EQ(host.messages[0].caption, "LONGM");
            EXPECT_EQ(host.messages[0].text, "Ligne trop longue TraduireMacro");
        }
    }
    EXPECT_EQ(Journal(), "");
}

TEST_F(MacroTest, CollectsTheNamesOfWrittenMacrosOnly) {
    Translate("#define MAKEWORD(a, b) ((a) | ((b) << 8))\r\n");
    Translate("#define CALL(x) (G(x) + 1)\r\n");
    Translate(LongMacro(std::string(19, 'C') + ")"));
    Translate("#define F(x) (x + 1) // one more\r\n");
    EXPECT_EQ(session.header.names.macroNames.view(), std::string_view("MAKEWORD\0F\0", 11));
}

}  // namespace
}  // namespace ondavel::testing
