#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "declarations/declarations.h"
#include "statements/statement_scan.h"
#include "statements/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

using namespace std::string_view_literals;

class TypedefTest : public HeaderFixture {
  protected:
    void SetUp() override { UseGoldenKnowledge("typedefs"); }
};

// Which list receives a name shows only in the lists themselves: the TYPEDEF line names the
// base type as the source spells it.
TEST_F(TypedefTest, RegistersEachNameInTheListOfItsSize) {
    for (const char* statement :
         {"typedef DWORD MYFLAGS;\r\n", "typedef const char *LPCSTR;\r\n",
          "typedef signed char *PSCHAR;\r\n", "typedef struct _FOO FOO, *PFOO;\r\n",
          "typedef char NAME16[16];\r\n", "typedef BYTE signed SB;\r\n", "typedef BYTE UB;\r\n",
          "typedef WORD W16;\r\n", "typedef union _U U, *PU;\r\n"}) {
        LineIndex& index = Header(statement);
        ASSERT_TRUE(ScanStatement(session, 1, index));
        EXPECT_TRUE(TranslateTypedef(session, {index, 1})) << statement;
    }
    const NameLists& names = session.header.names;
    EXPECT_EQ(names.dwordTypes.view(), "MYFLAGS\0LPCSTR\0PFOO\0PU\0"sv);
    EXPECT_EQ(names.sdwordTypes.view(), "PSCHAR\0"sv);
    EXPECT_EQ(names.structAliases.view(), "FOO\0"sv);
    EXPECT_EQ(names.sbyteTypes.view(), "NAME16\0SB\0"sv);
    EXPECT_EQ(names.byteTypes.view(), "UB\0"sv);
    EXPECT_EQ(names.wordTypes.view(), "W16\0"sv);
}

// An accepted statement's source goes to BlocsdeTexte.txt as it stands, comments and inner
// line ends included. A line written with an unknown type does not make it accepted; a union
// alias does, although it writes and keeps nothing.
TEST_F(TypedefTest, KeepsTheSourceOfAcceptedStatementsAside) {
    const std::string path = dir_ / "BlocsdeTexte.txt";
    session.run.textBlockFile = std::fopen(path.c_str(), "wb");
    ASSERT_NE(session.run.textBlockFile, nullptr);
    TranslateFile(session, Header("typedef DWORD A; // kept with its comment\r\n"
                                  "typedef MYSTERY B;\r\n"
                                  "typedef struct _S S,\r\n"
                                  "    *PS;\r\n"
                                  "typedef interface IFoo IFoo;\r\n"
                                  "typedef union _U U;\r\n"
                                  "typedef FOO;\r\n"));
    std::fclose(session.run.textBlockFile);
    session.run.textBlockFile = nullptr;
    EXPECT_EQ(ReadBytes(path),
              "typedef DWORD A; // kept with its comment\r\n"
              "typedef struct _S S,\r\n    *PS;\r\n"
              "typedef union _U U;\r\n");
}

}  // namespace
}  // namespace ondavel::testing
