// Function-like macros seen from inside, where the golden cases cannot look: the message box
// of an over-long macro, the journal line of one too long for the assembler and the names
// collected for the list file.
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
    void SetUp() override {
        OpenJournal(session);
    }
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

// A macro that fits the buffers is still longer than the assembler's line: it is journalled,
// where one that outgrows a buffer is refused silently or said in a message box.
TEST_F(MacroTest, LimitsDecideBetweenJournallingRefusingAndSaying) {
    struct Row {
        std::string lastLine;
        bool journalled;
        bool said;
    };
    const Row rows[] = {
        {"CC)", true, false},                        // 2,054 + the closing text: 2,079
        {"CCC)", false, false},                      // only the closing text does not fit
        {std::string(18, 'C') + ")", false, false},  // 2,070 may still be examined
        {std::string(19, 'C') + ")", false, true},   // 2,071 may not
        {"sizeof(T))", false, false},                // 2,061: the closing text does not fit
        // A sizeof group is measured with its quotes, which " strsize" leaves out.
        {"sizeof(\"" + std::string(13, '\'') + "\"))", false, true},  // 2,051 + 17 + 12 > 2,079
    };
    std::string journal;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lastLine);
        host.messages.clear();
        Translate(LongMacro(row.lastLine));
        if (row.journalled) journal += "1 Ligne trop longue a traduire:PROC TraduireMacro \r\n";
        EXPECT_TRUE(host.view.empty());
        ASSERT_EQ(host.messages.size(), row.said ? 1u : 0u);
        if (row.said) {
            EXPECT_EQ(host.messages[0].caption, "LONGM");
            EXPECT_EQ(host.messages[0].text, "Ligne trop longue TraduireMacro");
        }
    }
    EXPECT_EQ(Journal(), journal);
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
