#include <gtest/gtest.h>

#include <string>

#include "preprocessor/directives.h"
#include "session/output.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

enum class Form { Guid, OleGuid, NameSecond };

class GuidTest : public HeaderFixture {
  protected:
    // Scans the one statement of text and translates it as the driver does.
    void Translate(const std::string& text, Form form) {
        LineIndex& index = Header(text);
        ASSERT_TRUE(ScanStatement(session, 1, index));
        if (form == Form::NameSecond) {
            TranslateGuidSecond(session, {index, 1});
        } else {
            const GuidForm guid = form == Form::OleGuid ? GuidForm::OleGuid : GuidForm::Guid;
            TranslateGuid(session, {index, 1}, guid);
        }
    }
    std::string GuidNames() { return std::string(session.header.names.guidNames.view()); }
};

TEST_F(GuidTest, ListsEveryNameEvenWhenItsDefinitionIsRefused) {
    Translate("DEFINE_GUID(IID_A, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11);\r\n", Form::Guid);
    Translate("DEFINE_GUID(IID_B, 1, 2, 3);\r\n", Form::Guid);
    Translate("DEFINE_OLEGUID(IID_C,\r\n -1, 0, 0);\r\n", Form::OleGuid);
    Translate("MIDL_DEFINE_GUID(IID,\r\n  IID_D , x);\r\n", Form::NameSecond);
    Translate("DEFINE_GUID( IID_E\t0x1, 2);\r\n", Form::Guid);
    EXPECT_EQ(GuidNames(), std::string("IID_A\0IID_B\0IID_C\0IID_D\0IID_E\0", 30));
    EXPECT_EQ(host.view, "sIID_A\tTEXTEQU\t<{1,2,3,{4,5,6,7,8,9,10,11}}>\r\n");
}

// The line is built in one line's buffer: at most 1,039 characters. Up to that it is written
// as any output line; beyond, it is dropped and said.
TEST_F(GuidTest, ALineTooLongForItsBufferIsJournaled) {
    OpenJournal(session);
    // "s" + name + "\tTEXTEQU\t<{" + "0,0,0" + the OLE tail of 26 characters: name + 43.
    const std::string fits(996, 'F');
    Translate("DEFINE_OLEGUID(" + fits + ", 0, 0, 0);\r\n", Form::OleGuid);
    EXPECT_EQ(host.view, "s" + fits + "\tTEXTEQU\t<{0,0,0,{0C0h,0,0,0,0,0,0,046h}}>\r\n");
    host.view.clear();
    Translate("DEFINE_OLEGUID(" + fits + "G, 0, 0, 0);\r\n", Form::OleGuid);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(Journal(), "1 Ligne trop longue a traduire:PROC TranslateGuid \r\n");
}

}  // namespace
}  // namespace ondavel::testing
