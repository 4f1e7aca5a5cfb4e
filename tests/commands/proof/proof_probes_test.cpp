// Reading the answers of the C compiler, the assembler and nm, and the names under which C
// may know what the translation renamed.
#include <gtest/gtest.h>

#include "proof/c_layout_probe.h"
#include "proof/library_exports.h"
#include "proof/masm_layout_probe.h"

namespace ondavel::testing {
namespace {

using Names = std::vector<std::string>;

TEST(CNamesTest, AggregatesAndMembersAreAskedUnderEachNameCMayKnow) {
    EXPECT_EQ(CAggregateNames({"POINT", false, {}}), (Names{"POINT", "struct POINT"}));
    EXPECT_EQ(CAggregateNames({"LARGE", true, {}}), (Names{"LARGE", "union LARGE"}));
    EXPECT_EQ(CAggregateNames({"STIFoo", false, {}}),
              (Names{"STIFoo", "struct STIFoo", "IFooVtbl"}));
    EXPECT_EQ(CAggregateNames({"IFoo_Object", false, {}}),
              (Names{"IFoo_Object", "struct IFoo_Object", "IFoo"}));
    // Members as written, renamed back and without the outer names C may leave unnamed.
    EXPECT_EQ(CMemberPaths("cbSize"), Names{"cbSize"});
    EXPECT_EQ(CMemberPaths("_type"), (Names{"_type", "type", "Type"}));
    EXPECT_EQ(CMemberPaths("_HighWord.Bytes"),
              (Names{"_HighWord.Bytes", "HighWord.Bytes", "Bytes"}));
}

TEST(CCompilerAnswersTest, ErrorsArePlacedOnTheProbeLinesThatCausedThem) {
    bool outside = true;
    EXPECT_EQ(ProbeErrorLines("In file included from c0.c:2:\n"
                              "c0.c:5:10: error: 'NOPE' undeclared here (not in a function)\n"
                              "c0.c:5:10: note: each undeclared identifier is reported only once\n"
                              "/inc/x.h:9:20: error: 'struct S' has no member named 'q'\n"
                              "c0.c:7:1: note: in expansion of macro 'FIELD'\n"
                              "c0.c:8: error: expected expression\n",
                              "c0.c", outside),
              (std::vector<uint32_t>{5, 7, 8}));
    EXPECT_FALSE(outside);
    ProbeErrorLines("/inc/x.h:3:2: error: #error C++ only\nc0.c:5:1: error: no\n", "c0.c", outside);
    EXPECT_TRUE(outside);
}

TEST(CCompilerAnswersTest, TheArrayIsReadWithItsRunsOfZeros) {
    const std::string assembly =
        "\t.globl\t_ondavel_probe\n"
        "\t.section .rdata,\"dr\"\n"
        "\t.align 4\n"
        "_ondavel_probe:\n"
        "\t.long\t64\n"
        "\t.space\t8\n"
        "\t.long\t4294967295\n"
        "\t.zero\t4\n"
        "\t.ident\t\"GCC\"\n";
    EXPECT_EQ(ArrayValues(assembly, "_ondavel_probe"),
              (std::vector<uint32_t>{64, 0, 0, 4294967295u, 0}));
    EXPECT_TRUE(ArrayValues(assembly, "_other").empty());
}

TEST(AssemblerAnswersTest, OnlyWholeEchoedLinesGiveValues) {
    EXPECT_EQ(EchoedValues("ondavel_probe 0 64\nondavel_probe 1 ondavel_value\n"
                           "xondavel_probe 2 8\r\nondavel_probe 3 12\r\n"),
              (std::vector<std::pair<size_t, uint32_t>>{{0, 64}, {3, 12}}));
}

TEST(SymbolsTest, DecorationsAreTakenOffEveryConvention) {
    EXPECT_EQ(UndecoratedName("__imp__Sleep@4"), "Sleep");
    EXPECT_EQ(UndecoratedName("_wsprintfA"), "wsprintfA");
    EXPECT_EQ(UndecoratedName("@InterlockedIncrement@4"), "InterlockedIncrement");
    EXPECT_EQ(UndecoratedName("___mingw_get_crt_info"), "__mingw_get_crt_info");
    EXPECT_EQ(UndecoratedName("_name@x"), "name@x");
}

TEST(SymbolsTest, OnX8664OnlyTheImportPrefixIsTakenOff) {
    EXPECT_EQ(UndecoratedName("__imp_CloseHandle", Target::Win64), "CloseHandle");
    EXPECT_EQ(UndecoratedName("_lopen", Target::Win64), "_lopen");
    LibraryExports exports(Target::Win64);
    exports.AddListing(
        "0000000000000000 T CloseHandle\n0000000000000000 I __imp_CloseHandle\n"
        "0000000000000000 T _lopen\n0000000000000000 I __imp__lopen\n");
    EXPECT_EQ(exports.Decorated("CloseHandle"), Names{"CloseHandle"});
    EXPECT_EQ(exports.Decorated("_lopen"), Names{"_lopen"});
    EXPECT_TRUE(exports.Decorated("lopen").empty());
}

TEST(SymbolsTest, ExportsComeFromCodeAndImportSymbolsEachOnce) {
    LibraryExports exports;
    exports.AddListing(
        "\nlibkernel32.a[d000012.o]:\n"
        "00000000 T _Sleep@4\n"
        "00000000 I __imp__Sleep@4\n"
        "00000000 D _data_item\n"
        "00000000 T _wsprintfA\r\n");
    exports.AddListing("00000000 T _Sleep@4\n00000000 T @Sleep@4\n");
    EXPECT_EQ(exports.Decorated("Sleep"), (Names{"@Sleep@4", "_Sleep@4"}));
    EXPECT_EQ(exports.Decorated("wsprintfA"), Names{"_wsprintfA"});
    EXPECT_TRUE(exports.Decorated("data_item").empty());
}

TEST(SymbolsTest, AnObjectsSymbolsAreWhatItAsksForAndTheCodeItDefines) {
    const std::vector<ObjectSymbol> symbols = ObjectSymbols(
        "00000000 t .text\n         U __imp__Sleep@8\n00000010 t _Inline@4\n"
        "00000000 b .bss\n00000000 T _ondavel_probe\n         U _wsprintfA\r\n");
    std::vector<std::pair<std::string, bool>> defined;
    for (const ObjectSymbol& symbol : symbols) defined.emplace_back(symbol.name, symbol.defined);
    EXPECT_EQ(defined, (std::vector<std::pair<std::string, bool>>{{"__imp__Sleep@8", false},
                                                                  {"_Inline@4", true},
                                                                  {"_ondavel_probe", true},
                                                                  {"_wsprintfA", false}}));
    EXPECT_EQ(WithoutImportPrefix("__imp__Sleep@8"), "_Sleep@8");
}

}  // namespace
}  // namespace ondavel::testing
