#include "aggregates/vtbl_structure.h"

#include <gtest/gtest.h>

#include <string>

#include "knowledge/knowledge.h"
#include "session/output.h"
#include "statements/statement_cursor.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class VtblStructureTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseGoldenKnowledge("com");
        OpenJournal(session);
    }
    // Translates the structure of text (lines ended by CR LF) as the structure translation
    // hands it over: standing on the first word of its body. lastLine 0: the statement goes
    // on to the end of the file.
    void Translate(const std::string& text, const std::string& name, uint32_t lastLine) {
        LineIndex& index = Header(text);
        session.statement.counts.lastLine = lastLine;
        StatementCursor cursor(session, {index, 1});
        ASSERT_TRUE(cursor.Start());
        ASSERT_TRUE(cursor.SkipPast('{'));
        ASSERT_TRUE(cursor.SkipBlanks());
        TranslateVtblStructure(session, cursor, name);
    }
};

// Directive lines between the methods hold no method; a name without "Vtbl" is used whole.
TEST_F(VtblStructureTest, DirectiveLinesAreNoMethods) {
    Translate(
        "typedef struct IBare {\r\n"
        "    BEGIN_INTERFACE\r\n"
        "#if defined(NEVER)\r\n"
        "    ULONG ( STDMETHODCALLTYPE *Release )( IBare * This);\r\n"
        "#endif\r\n"
        "    END_INTERFACE\r\n"
        "} IBare;\r\n",
        "IBare", 7);
    EXPECT_EQ(host.view.substr(0, host.view.find(" \r\nIBare MACRO")),
              "\tSTIBare\tSTRUCT\r\n"
              "\t\tRelease                      \tcomethod1 ?\r\n"
              "\tSTIBare\tENDS\r\n\r\n");
}

// A table cut by the end of the file writes nothing of its structure; a type already written
// stays.
TEST_F(VtblStructureTest, TableCutByTheEndOfTheFile) {
    Translate(
        "typedef struct IFooVtbl {\r\n"
        "    BEGIN_INTERFACE\r\n"
        "    HRESULT ( STDMETHODCALLTYPE *SetScale )( IFoo * This, float f);\r\n"
        "    ULONG ( STDMETHODCALLTYPE *AddRef )( IFoo * This\r\n",
        "IFooVtbl", 0);
    EXPECT_EQ(host.view,
              "IFoo_SetScale TYPEDEF  PROTO :DWORD ,:REAL4 \r\n"
              "FIFoo_SetScale TYPEDEF PTR  IFoo_SetScale\r\n\r\n");
    EXPECT_EQ(Journal(), "d\xE9passement bloc : 4\r\n");
}

}  // namespace
}  // namespace ondavel::testing
