// ondavel check end to end, with a real assembler when the build was given one: the bundled
// sample kit and the windows.h tree of the MinGW-w64 headers must assemble.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

class CheckCommandTest : public AssemblerWorkspaceTest {
  protected:
    // A workspace over include, its SDK kit translated.
    void Translate(const std::string& include) {
        ASSERT_TRUE(TranslateSdkKit(base, work(), include));
    }
    CliRun Check(const std::string& arguments, const std::string& options = {}) {
        return RunWithAssembler("check", arguments, options);
    }
};

TEST_F(CheckCommandTest, EachErrorIsShownWithTheLineItPointsAt) {
    Translate(kSampleInclude);
    WriteBytes(fs::path(work()) / "sdk" / "broken.sdk", "IF NOWHERE_DEFINED\r\nENDIF\r\n");
    WriteBytes(fs::path(work()) / "sdk" / "cplusplus.sdk", ".ERR <This header is for C++>\r\n");
    const CliRun run = Check("--after windows.sdk");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.out, HasSubstr("broken.sdk: 1 error\n  broken.sdk(1): Error A2102: Symbol not "
                                   "defined : NOWHERE_DEFINED\n      IF NOWHERE_DEFINED\n"));
    // The sample header keeps one type that no kit knows, to show the learning pass its work.
    EXPECT_THAT(run.out, HasSubstr("sample.sdk: 1 error\n"));
    EXPECT_THAT(run.out, HasSubstr("      SampleForget PROTO : inconnu SAMPLE_COOKIE"));
    EXPECT_THAT(run.out, EndsWith("1 of 4 clean (each after windows.sdk); 1 stop only at their "
                                  "header's own #error\n"));
}

// The forms the translation writes for C's defined, its undefined names and its sizeof
// mean to the assembler what they mean to the C compiler. The assembler is named by a
// relative path, which is taken from where the command was given.
TEST_F(CheckCommandTest, TheSupportDefinitionsMeanWhatCMeans) {
    Translate(kSampleInclude);
    WriteBytes(fs::path(work()) / "sdk" / "meaning.sdk",
               "URL_LENGTH\tequ\t<( 2048 + 32 + strsize(://) + 1)>\r\n"
               ".ERRNZ URL_LENGTH - 2084\r\n"
               ".ERRNZ ( 8 - sizeof(SWORD)) - 6\r\n"
               ".ERRNZ VALUEOF(NOWHERE_DEFINED)\r\n"
               ".ERRNZ DEFINED(NOWHERE_DEFINED)\r\n"
               ".ERRE DEFINED(_WIN32) AND VALUEOF(_MSC_VER) GE 1900\r\n"
               ".ERRE DEFINED(WINNT)\r\n"
               // Packing regions nest; C packs {char; int;} into 6 bytes by 2, 8 by default.
               "PUSH_PACKING 2\r\n"
               "P2\tSTRUCT PACKING\r\n\ta BYTE ?\r\n\tb DWORD ?\r\nP2\t\tENDS\r\n"
               "PUSH_PACKING 1\r\nPOP_PACKING\r\n.ERRNZ PACKING - 2\r\nPOP_PACKING\r\n"
               "P8\tSTRUCT PACKING\r\n\ta BYTE ?\r\n\tb DWORD ?\r\nP8\t\tENDS\r\n"
               ".ERRNZ sizeof(P2) - 6\r\n.ERRNZ sizeof(P8) - 8\r\n"
               "POP_PACKING\r\n.ERRNZ PACKING - 8\r\n"
               "SET_PACKING 1\r\n.ERRNZ PACKING - 1\r\nSET_PACKING\r\n.ERRNZ PACKING - 8\r\n"
               "PUSH_PACKING some_label\r\n.ERRNZ PACKING - 8\r\n");
    const std::string relative = fs::relative(ONDAVEL_ASSEMBLER, work()).string();
    const CliRun run =
        RunCli(work(), base, "-q --kit sdk check --assembler " + relative + " meaning.sdk",
               "cd \"" + work() + "\" && ");
    EXPECT_THAT(run.out, EndsWith("1 of 1 clean\n")) << run.err;
}

TEST_F(CheckCommandTest, TheWindowsIncludeTreeAssembles) {
    if (!HasMingwHeaders()) GTEST_SKIP() << "no MinGW-w64 headers";
    Translate(kMingwInclude);
    const CliRun run = Check("windows.sdk");
    EXPECT_TRUE(run.out.ends_with("1 of 1 clean\n")) << run.out.substr(0, 4000);
}

// The includes of the other kits are searched in their folders for the same target: a 64-bit
// include finds directx64/, never the 32-bit directx/.
TEST_F(CheckCommandTest, OtherKitsAreSearchedForTheSameTarget) {
    Translate(kSampleInclude);
    ASSERT_EQ(RunCli(work(), base, "-q --kit sdk --target win64 all").exitCode, 0);
    const fs::path folder(work());
    WriteBytes(folder / "sdk64" / "uses.sdk", "include other.sdk\r\n.ERRNZ OTHER_BITS - 64\r\n");
    fs::create_directories(folder / "directx64");
    WriteBytes(folder / "directx" / "other.sdk", "OTHER_BITS equ 32\r\n");
    WriteBytes(folder / "directx64" / "other.sdk", "OTHER_BITS equ 64\r\n");
    EXPECT_THAT(Check("uses.sdk", "--target win64").out, EndsWith("1 of 1 clean\n"));
}

TEST(CheckWithoutAssemblerTest, SaysHowToGetOne) {
    TempDir base;
    const CliRun run = RunCli(base.path().string(), base, "--kit sdk check", "PATH=/nowhere ");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("no MASM-compatible assembler found on PATH"));
}

}  // namespace
}  // namespace ondavel::testing
