#include "learning/oleview_reorder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class OleviewReorderTest : public HeaderFixture {
  protected:
    // The reordered copy of text.
    std::string Reorder(const std::string& text) {
        LineIndex& index = Header(text);
        const std::filesystem::path output = dir_ / "Oleview_Ordonne.txt";
        std::FILE*& file = session.run.outputFile;
        file = std::fopen(output.c_str(), "wb");
        EXPECT_TRUE(ReorderOleview(session, index));
        std::fclose(file);
        file = nullptr;
        return ReadBytes(output);
    }
};

// The library's attribute block stays in front with the plain declarations. A later attribute
// block goes behind with the lines up to one that ends with "]" and the statement after that,
// and the file's last closing brace goes behind with them. Lines of blanks go.
TEST_F(OleviewReorderTest, AttributedDeclarationsGoBehind) {
    EXPECT_EQ(Reorder("[uuid(1)]\r\n"
                      "library L {\r\n"
                      "   \t\r\n"
                      "\r\n"
                      "[odl, uuid(2)]\r\n"
                      "interface I : IUnknown {\r\n"
                      "};\r\n"
                      "typedef long T;\r\n"
                      "[\r\n"
                      "  uuid(3)]\r\n"
                      "interface J : IUnknown {\r\n"
                      "    HRESULT M();\r\n"
                      "};\r\n"
                      "typedef long U;\r\n"
                      "// end of the library\r\n"
                      "};"),
              "[uuid(1)]\r\n"
              "library L {\r\n"
              "\r\n"
              "typedef long U;\r\n"
              "// end of the library\r\n"
              "[odl, uuid(2)]\r\n"
              "interface I : IUnknown {\r\n"
              "};\r\n"
              "typedef long T;\r\n"
              "[\r\n"
              "  uuid(3)]\r\n"
              "interface J : IUnknown {\r\n"
              "    HRESULT M();\r\n"
              "};\r\n"
              "};");
}

}  // namespace
}  // namespace ondavel::testing
