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

// The library's attribute block stays in front with the plain declarations; an interface
// with its attributes goes behind, with the file's last closing brace. Lines of blanks go.
TEST_F(OleviewReorderTest, AttributedDeclarationsGoBehind) {
    EXPECT_EQ(Reorder("[\r\n"
                      "  uuid(1)\r\n"
                      "]\r\n"
                      "library L\r\n"
                      "{\r\n"
                      "   \t\r\n"
                      "[\r\n"
                      "  odl,\r\n"
                      "  uuid(2)\r\n"
                      "]\r\n"
                      "interface I : IUnknown {\r\n"
                      "    HRESULT M();\r\n"
                      "};\r\n"
                      "\r\n"
                      "typedef struct S {\r\n"
                      "    long a;\r\n"
                      "} S;\r\n"
                      "// end of the library\r\n"
                      "};"),
              "[\r\n"
              "  uuid(1)\r\n"
              "]\r\n"
              "library L\r\n"
              "{\r\n"
              "\r\n"
              "typedef struct S {\r\n"
              "    long a;\r\n"
              "} S;\r\n"
              "// end of the library\r\n"
              "[\r\n"
              "  odl,\r\n"
              "  uuid(2)\r\n"
              "]\r\n"
              "interface I : IUnknown {\r\n"
              "    HRESULT M();\r\n"
              "};\r\n"
              "};");
}

// An attribute block on one line keeps the lines behind until a line that ends with "]".
TEST_F(OleviewReorderTest, OneLineAttributeBlock) {
    EXPECT_EQ(Reorder("[uuid(1)]\r\n"
                      "library L {\r\n"
                      "[odl, uuid(2)]\r\n"
                      "interface I : IUnknown {\r\n"
                      "};\r\n"
                      "typedef long T;\r\n"
                      "[\r\n"
                      "  uuid(3)]\r\n"
                      "interface J : IUnknown {\r\n"
                      "};\r\n"
                      "typedef long U;\r\n"
                      "};\r\n"),
              "[uuid(1)]\r\n"
              "library L {\r\n"
              "typedef long U;\r\n"
              "[odl, uuid(2)]\r\n"
              "interface I : IUnknown {\r\n"
              "};\r\n"
              "typedef long T;\r\n"
              "[\r\n"
              "  uuid(3)]\r\n"
              "interface J : IUnknown {\r\n"
              "};\r\n"
              "};\r\n");
}

}  // namespace
}  // namespace ondavel::testing
