// Prototypes that follow a COM interface in the same header: MIDL's proxies and stubs are
// dropped and not recorded as function names, the kit's own API is kept.
#include <gtest/gtest.h>

#include <string>

#include "declarations/declarations.h"
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

}  // namespace
}  // namespace ondavel::testing
