// Prototypes that follow a COM interface in the same header: MIDL's proxies and stubs are
// dropped and not recorded as function names, the kit's own API is kept. The convention a
// word names by its spelling, wherever the mark stands in it.
#include <gtest/gtest.h>

#include <string>

#include "declarations/declarations.h"
#include "declarations/prototype_parameters.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class PrototypeTest : public HeaderFixture {
  protected:
    void SetUp() override { UseBundledKnowledge(); }

    std::string Translate(const std::string& statement) {
        host.view.clear();
        LineIndex& index = Header(statement + "\r\n");
        EXPECT_TRUE(ScanStatement(session, 1, index));
        TranslatePrototype(session, {index, 1});
        return host.view;
    }
};

TEST_F(PrototypeTest, AfterAnInterfaceNamesWithUnderscoresNeedAnApiWord) {
    struct Case {
        bool inInterface;
        std::string statement;
        std::string output;
    };
    const Case cases[] = {
        {true, "HRESULT STDMETHODCALLTYPE IFoo_Bar_Proxy(IFoo * This);", ""},
        {true, "void __RPC_STUB IFoo_Bar_Stub(IRpcStubBuffer *This);", ""},
        {true, "HRESULT WINAPI Get_Thing(int);", ";API\r\nGet_Thing PROTO :SDWORD \r\n"},
        {true, "HRESULT Plain(int);", "Plain PROTO C :SDWORD \r\n"},
        {false, "HRESULT Not_Proxy(int);", "Not_Proxy PROTO C :SDWORD \r\n"},
    };
    for (const Case& c : cases) {
        session.header.inInterface = c.inInterface;
        EXPECT_EQ(Translate(c.statement), c.output) << c.statement;
    }
    EXPECT_EQ(session.header.names.functionNames.view(),
              std::string("Get_Thing\0Plain\0Not_Proxy\0", 26));
}

// A parameter's reduction is kept for its text, but the words #defined as nothing are looked
// for each time, and a pointer is of the target's size.
TEST_F(PrototypeTest, AParameterMetBeforeStillLosesTheWordsDefinedAsNothingSince) {
    const std::string statement = "int WINAPI Get(DWORD dw MYEMPTY, const char *p);";
    EXPECT_EQ(Translate(statement), ";API\r\nGet PROTO : inconnu dw MYEMPTY ,:DWORD \r\n");
    session.run.emptyMacros.insert("MYEMPTY");
    EXPECT_EQ(Translate(statement), ";API\r\nGet PROTO :DWORD ,:DWORD \r\n");
    session.run.target = Target::Win64;
    EXPECT_EQ(Translate(statement), ";API\r\nGet PROTO :DWORD ,:QWORD \r\n");
}

// A word the batch never defined names a convention when a mark stands anywhere in it, in its
// case: at its start, inside, or as its last three characters, but not cut by its end.
TEST_F(PrototypeTest, ConventionNamedBySpelling) {
    using enum MacroConvention;
    const std::pair<std::string_view, MacroConvention> cases[] = {
        {"APIENTRY", Other},     {"WINAPI", Other},    {"XCALLBACKX", Other}, {"__RPC_USER", Other},
        {"NTAPI", Other},        {"pascal", Other},    {"AP", None},          {"WINAP", None},
        {"Api", None},           {"CALLBAC", None},    {"_stdcal", None},     {"", None},
        {"WINAPIV", C},          {"RPC_VAR_ENTRY", C}, {"__cdecl", C},        {"__stdcall", Other},
        {"__vectorcall", Other}, {"FASTCALL", Other},
    };
    for (const auto& [word, convention] : cases) {
        EXPECT_EQ(ConventionNamed(session, word), convention) << word;
    }
}

}  // namespace
}  // namespace ondavel::testing
