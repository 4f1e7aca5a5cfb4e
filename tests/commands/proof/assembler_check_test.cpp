// Reading an assembler's report, and the includes it is given to check.
#include "proof/assembler_check.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

TEST(AssemblerCheckTest, ErrorLinesAreReadAndTheInclusionChainPassedOver) {
    const std::string output =
        "/w/sdk/_mingw.sdk(113) : Error A2102: Symbol not defined : __STDC_VERSION__\n"
        "  /w/sdk/windows.sdk(8): Included by\n"
        "probe0.asm(6) : Error A2106: Cannot open file: \"x.sdk\" [ENOENT]\r\n"
        "/w/sdk/a (1).sdk(7) : error A2008: syntax error : in directive\n"
        "/w/sdk/b.sdk(9) : Warning A4011: multiple .MODEL directives found\n"
        "/w/sdk/c.sdk(12) : Fatal error A1113: Too many errors\n"
        "/w/sdk/d.sdk(x) : Error A2000: not a line number\n"
        "Error A2000 without a place\n";
    const std::vector<AssemblerError> errors = ParseAssemblerErrors(output, "/w/sdk/");
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[0].file, "_mingw.sdk");
    EXPECT_EQ(errors[0].line, 113u);
    EXPECT_EQ(errors[0].message, "Error A2102: Symbol not defined : __STDC_VERSION__");
    EXPECT_EQ(errors[1].file, "probe0.asm");
    EXPECT_EQ(errors[1].message, "Error A2106: Cannot open file: \"x.sdk\" [ENOENT]");
    EXPECT_EQ(errors[2].file, "a (1).sdk");
    EXPECT_EQ(errors[3].message, "Fatal error A1113: Too many errors");
}

TEST(AssemblerCheckTest, TheBaseIncludeIsCheckedFirstThenTheOthersByName) {
    TempDir folder;
    std::filesystem::create_directory(folder.path() / "sys");
    for (const char* name :
         {"zmouse.sdk", "windows.sdk", "ole2.sdk", "ondavel.inc", "notes.txt", "sys/types.sdk"}) {
        WriteBytes(folder / name, "");
    }
    EXPECT_EQ(IncludesToCheck(folder.path().string(), "windows.sdk", {}),
              (std::vector<std::string>{"windows.sdk", "ole2.sdk", "sys/types.sdk", "zmouse.sdk"}));
    EXPECT_EQ(IncludesToCheck(folder.path().string(), "", {"zmouse.sdk", "ole2.sdk"}),
              (std::vector<std::string>{"ole2.sdk", "zmouse.sdk"}));
}

}  // namespace
}  // namespace ondavel::testing
