#include "statements/dispatch.h"

#include <gtest/gtest.h>

#include "knowledge/knowledge.h"
#include "session/knowledge_lookup.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class DispatchTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseKnowledge(
            "#define = define = 5\r\n#pragma = pragma = 10\r\n"
            "DECLARE_HANDLE = handle = 32\r\nDECLARE_PAIR = second = 33\r\n");
    }
    // Scans and dispatches the one statement of text, whose first word is word.
    void Dispatch(const std::string& text, const std::string& word) {
        LineIndex& index = Header(text);
        ASSERT_TRUE(ScanStatement(session, 1, index));
        std::string code = text.substr(0, text.find('\r'));
        DispatchStatement(session, LookupKeywordCode(session, word), code, {index, 1});
    }
    std::string DwordTypes() { return std::string(session.header.names.dwordTypes.view()); }
};

TEST_F(DispatchTest, PointerDefinesAndHandleMacrosNameDwordTypes) {
    Dispatch("#define\tLPFOO\t FOO *\r\n", "#define");
    Dispatch("#define  PBAR   BAR*\r\n", "#define");
    Dispatch("DECLARE_HANDLE( HWND );\r\n", "DECLARE_HANDLE");
    Dispatch("DECLARE_HANDLE();\r\n", "DECLARE_HANDLE");  // no argument: nothing
    Dispatch("DECLARE_PAIR(IFoo, LPFOO);\r\n", "DECLARE_PAIR");
    Dispatch("DECLARE_PAIR(IFoo, LPFOO, x);\r\n", "DECLARE_PAIR");  // two commas: not this form
    EXPECT_EQ(DwordTypes(), std::string("LPFOO\0PBAR\0HWND\0LPFOO\0", 22));
    EXPECT_EQ(host.view, "");
    // Over two lines it is no pointer type but an equate.
    Dispatch("#define TWO A * \\\r\n B\r\n", "#define");
    EXPECT_EQ(DwordTypes().size(), 22u);
    EXPECT_EQ(host.view, "TWO\tequ\t< A * \\\r\n\t\t B>\r\n");
}

TEST_F(DispatchTest, AggregateMacroWaitsForItsStatement) {
    Dispatch("#define MYENUM enum\r\n", "#define");
    EXPECT_EQ(session.run.pendingAggregateMacro, "MYENUM");
    EXPECT_EQ(session.run.aggregateMacroKind, AggregateKind::Enumeration);
    session.run.pendingAggregateMacro = "";
    Dispatch("#define MYSTRUCTURE 1\r\n", "#define");
    EXPECT_EQ(session.run.pendingAggregateMacro, "");  // not the word STRUCT
    Dispatch("#define MYSTRUCT  STRUCT\r\n", "#define");
    EXPECT_EQ(session.run.pendingAggregateMacro, "MYSTRUCT");
    EXPECT_EQ(session.run.aggregateMacroKind, AggregateKind::Structure);
    // enum is looked for first, in any case, as a word parted by blanks or tabs.
    Dispatch("#define MIXED struct\tEnum\r\n", "#define");
    EXPECT_EQ(session.run.pendingAggregateMacro, "MIXED");
    EXPECT_EQ(session.run.aggregateMacroKind, AggregateKind::Enumeration);
    session.run.pendingAggregateMacro = "";
    Dispatch("#define NOT struct_t enum_t(x)\r\n", "#define");
    EXPECT_EQ(session.run.pendingAggregateMacro, "");

    // A word is read up to its NUL: a name after it is not in the word.
    session.run.pendingAggregateMacro = "AB";
    EXPECT_FALSE(
        LookupKnowledge(session, std::string_view("X\0AB", 4), LookupKind::Incompatible, nullptr));
    EXPECT_TRUE(LookupKnowledge(session, "XAB", LookupKind::Incompatible, nullptr));
}

}  // namespace
}  // namespace ondavel::testing
