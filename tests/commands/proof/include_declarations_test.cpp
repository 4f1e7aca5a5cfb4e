// Reading what a translated include declares: the structures with the members C can name,
// the prototypes and the included includes.
#include "proof/include_declarations.h"

#include <gtest/gtest.h>

namespace ondavel::testing {
namespace {

using Names = std::vector<std::string>;

TEST(IncludeDeclarationsTest, MembersAreNamedByTheirPathThroughNamedAggregatesOnly) {
    const IncludeDeclarations declarations = ReadIncludeDeclarations(
        "Include winnt.sdk\r\n"
        "RECAFLAGS\t\tRECORD     AAHigh : 4,\r\n\t\t\t\tAALow : 4\r\n"
        "OUTER\tSTRUCT\r\n"
        "\tkind DWORD ?\r\n"
        "\tunion\tInfo\r\n"
        "\tSTRUCT\tFirst\r\n"
        "\tsize DWORD 4 dup (?)\r\n"
        "\tENDS\r\n"
        "\tSTRUCT\r\n"
        "\tcorner POINT <>\r\n"
        "\tENDS\r\n"
        "\tENDS\r\n"
        "\tRECAFLAGS DWORD ?\r\n"
        "IF DEFINED(_WIN64)\r\n"
        "\twide QWORD ?\r\n"
        "ELSE\r\n"
        "\twide DWORD ?\r\n"
        "ENDIF\r\n"
        "OUTER\t\tENDS\r\n"
        ";MODE\tUNION\r\n"
        "\tMODE_ON\tEQU 1\r\n"
        ";MODE\t\tENDS\r\n"
        "\tSTIFoo\tSTRUCT\r\n"
        "\t\tQueryInterface  \tcomethod3 ?\r\n"
        "\tSTIFoo\tENDS\r\n"
        "IFDEF UNICODE\r\n"
        "GetThing PROTO :DWORD\r\n"
        "ELSE\r\n"
        "GetThing PROTO :DWORD ,:DWORD\r\n"
        "ENDIF\r\n"
        "wsprintfA PROTO C  :DWORD ,:DWORD , :VARARG\n"
        ";Hidden PROTO :DWORD\r\n"
        "CALLBACK_FN  TYPEDEF PROTO :DWORD\r\n"
        "Include sys/types.sdk\r\n"
        "U\tUNION\r\n\tl DWORD ?\r\nU\t\tENDS\r\n");
    ASSERT_EQ(declarations.aggregates.size(), 3u);
    const AggregateDeclaration& outer = declarations.aggregates[0];
    EXPECT_EQ(outer.name, "OUTER");
    EXPECT_FALSE(outer.isUnion);
    EXPECT_EQ(outer.members, (Names{"kind", "Info.First.size", "Info.corner", "wide"}));
    EXPECT_EQ(declarations.aggregates[1].name, "STIFoo");
    EXPECT_EQ(declarations.aggregates[1].members, Names{"QueryInterface"});
    EXPECT_TRUE(declarations.aggregates[2].isUnion);
    // Prototypes and includes are taken once each; a commented one is passed over.
    EXPECT_EQ(declarations.prototypes, (Names{"GetThing", "wsprintfA"}));
    EXPECT_EQ(declarations.includes, (Names{"winnt.sdk", "sys/types.sdk"}));
}

}  // namespace
}  // namespace ondavel::testing
