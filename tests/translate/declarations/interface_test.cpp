#include <gtest/gtest.h>

#include <string>

#include "declarations/declarations.h"
#include "session/output.h"
#include "statements/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class InterfaceTest : public HeaderFixture {
  protected:
    void SetUp() override { UseGoldenKnowledge("com"); }
    // The output up to the invocation macro.
    std::string Structure() const { return host.view.substr(0, host.view.find(" \r\nIFoo MACRO")); }
};

constexpr const char* kOleviewInterface =
    "interface IFoo : IUnknown {\r\n"
    "    [id(1)] HRESULT _stdcall Method([in] long x, [out, retval] BSTR* pVal);\r\n"
    "    [propget, id(2)]\r\n"
    "    HRESULT Count([out, retval] long* pVal);\r\n"
    "    [id(3)] HRESULT _stdcall Reset();\r\n"
    "    [id(4)] HRESULT _stdcall Scale([in] double factor);\r\n"
    "};\r\n";

TEST_F(InterfaceTest, OleviewInterfaceTakesAnImplicitInterfacePointer) {
    session.run.oleviewMode = true;
    TranslateFile(session, Header(kOleviewInterface));
    EXPECT_EQ(Structure(),
              "IFoo_Scale TYPEDEF  PROTO :DWORD  ,:REAL8 \r\n"
              "FIFoo_Scale TYPEDEF PTR  IFoo_Scale\r\n\r\n"
              ";IFoo d\xE9rive de : IUnknown\r\n"
              "\tSTIFoo\tSTRUCT\r\n"
              "\t\tMethod                       \tcomethod3 ?\r\n"
              "\t\tCount                        \tcomethod2 ?\r\n"
              "\t\tReset                        \tcomethod1 ?\r\n"
              "\t\tScale\t\tFIFoo_Scale  ?\r\n"
              "\tSTIFoo\tENDS\r\n\r\n");
    EXPECT_NE(host.view.find("IFoo MACRO  Function:REQ, args:VARARG\r\n"), std::string::npos);
}

// A closing brace inside an attribute block ends the interface with the methods before it.
TEST_F(InterfaceTest, BraceInAttributeBlockEndsTheInterface) {
    session.run.oleviewMode = true;
    TranslateFile(session, Header("interface IFoo {\r\n"
                                  "    HRESULT Reset();\r\n"
                                  "    [id(2) }\r\n"
                                  "    HRESULT Lost();\r\n"));
    EXPECT_EQ(Structure(),
              "\tSTIFoo\tSTRUCT\r\n"
              "\t\tReset                        \tcomethod1 ?\r\n"
              "\tSTIFoo\tENDS\r\n\r\n");
}

// A method list cut by the end of the file writes nothing and reads no further.
TEST_F(InterfaceTest, ListCutByTheEndOfTheFile) {
    OpenJournal(session);
    LineIndex& index = Header(
        "DECLARE_INTERFACE_(IFoo, IUnknown) {\r\n"
        "    STDMETHOD(A)(THIS) PURE;\r\n"
        "    STDMETHOD(B)(THIS_");
    session.statement.counts.semicolons = 2;
    TranslateInterface(session, {index, 1});
    session.run.oleviewMode = true;
    Header("interface IFoo : IUnknown {\r\n    [id(1)] HRESULT M([in");
    TranslateOleInterface(session, {index, 1});
    CloseJournal(session);
    EXPECT_EQ(host.view, "");
    EXPECT_EQ(ReadBytes(dir_ / "journal.txt"),
              "d\xE9passement bloc : 3\r\nd\xE9passement bloc : 2\r\n");
}

}  // namespace
}  // namespace ondavel::testing
