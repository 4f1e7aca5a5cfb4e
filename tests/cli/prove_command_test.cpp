// ondavel prove end to end, with the cross toolchains and an assembler: hand-written headers
// and includes whose differences are known, for 32-bit and 64-bit Windows; the windows.h tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

// EXACT_ONE agrees; MOVED_MEMBER's first member takes 8 bytes in the include, 4 in C, which
// moves b and grows the structure; WRONG_SIZE's tail is 4 bytes short of C's 6, whose
// alignment makes 12 bytes of the structure.
constexpr const char* kHeader =
    "#include <windows.h>\n"
    "typedef struct EXACT_ONE { DWORD one; WORD two; DWORD three; union { DWORD x; WORD y; } u; } "
    "EXACT_ONE;\n"
    "typedef struct MOVED_MEMBER { DWORD a; DWORD b; } MOVED_MEMBER;\n"
    "typedef struct WRONG_SIZE { DWORD a; BYTE tail[6]; } WRONG_SIZE;\n";

// GetTickCount is stdcall without arguments; wsprintfA takes a variable list, so C's
// convention; Sleep takes one DWORD; no library exports NotExportedAnywhere.
constexpr const char* kInclude =
    "EXACT_ONE\tSTRUCT\r\n\tone DWORD ?\r\n\ttwo WORD ?\r\n\tthree DWORD ?\r\n"
    "\tunion\tu\r\n\tx DWORD ?\r\n\ty WORD ?\r\n\tENDS\r\nEXACT_ONE\t\tENDS\r\n"
    "MOVED_MEMBER\tSTRUCT\r\n\ta BYTE 8 dup (?)\r\n\tb DWORD ?\r\nMOVED_MEMBER\t\tENDS\r\n"
    "WRONG_SIZE\tSTRUCT\r\n\ta DWORD ?\r\n\ttail BYTE 4 dup (?)\r\nWRONG_SIZE\t\tENDS\r\n"
    "GetTickCount PROTO\r\n"
    "wsprintfA PROTO :DWORD ,:DWORD\r\n"
    "Sleep PROTO :DWORD ,:DWORD\r\n"
    "NotExportedAnywhere PROTO :DWORD\r\n";

// On x86-64 a pointer or handle takes 8 bytes, aligned on 8: PADDED and NARROW_POINTER have 7
// bytes of padding after tag, data at 8, and 16 bytes. NARROW_POINTER's include gives data 4
// bytes (a 32-bit handle), which moves it to 4 and makes 8 bytes of the structure.
constexpr const char* kHeader64 =
    "#include <windows.h>\n"
    "typedef struct PADDED { char tag; void *data; } PADDED;\n"
    "typedef struct NARROW_POINTER { char tag; HANDLE data; } NARROW_POINTER;\n";

// x86-64 names are not decorated: CloseHandle and _lopen link under their plain names (the
// underscore of _lopen is its own). A language word makes the assembler decorate Sleep as C's
// on 32-bit x86, which no library exports.
constexpr const char* kInclude64 =
    "PADDED\tSTRUCT\r\n\ttag BYTE ?\r\n\tdata QWORD ?\r\nPADDED\t\tENDS\r\n"
    "NARROW_POINTER\tSTRUCT\r\n\ttag BYTE ?\r\n\tdata DWORD ?\r\nNARROW_POINTER\t\tENDS\r\n"
    "CloseHandle PROTO :QWORD\r\n"
    "_lopen PROTO :QWORD ,:DWORD\r\n"
    "Sleep PROTO C :DWORD\r\n"
    "NotExportedAnywhere PROTO :QWORD\r\n";

class ProveCommandTest : public AssemblerWorkspaceTest {
  protected:
    void SetUp() override {
        RequireTools("i686-w64-mingw32-gcc", "gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686");
    }
    void RequireTools(const std::string& compiler, const std::string& packages) {
        if (!HasAssembler()) GTEST_SKIP() << kNoAssembler;
        if (std::system((compiler + " --version > /dev/null 2>&1").c_str()) != 0)
            GTEST_SKIP() << "no " << compiler << ": apt-get install " << packages;
    }
    CliRun Prove(const std::string& arguments, const std::string& options = {}) {
        return RunWithAssembler("prove", arguments, options);
    }
};

class Prove64CommandTest : public ProveCommandTest {
  protected:
    void SetUp() override {
        RequireTools("x86_64-w64-mingw32-gcc",
                     "gcc-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64");
    }
};

TEST_F(ProveCommandTest, ReportsExactlyTheLayoutsAndDecorationsThatDiffer) {
    const fs::path headers = base.path() / "headers";
    fs::create_directories(headers);
    WriteBytes(headers / "proof.h", kHeader);
    ASSERT_TRUE(InitWorkspace(base, work(), headers.string()));
    fs::create_directories(fs::path(work()) / "sdk");
    WriteBytes(fs::path(work()) / "sdk" / "proof.sdk", kInclude);
    const CliRun run = Prove("proof.sdk");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out,
              "proof.sdk:\n"
              "  MOVED_MEMBER: size C 8, assembler 12\n"
              "  MOVED_MEMBER.b: offset C 4, assembler 8\n"
              "  WRONG_SIZE: size C 12, assembler 8\n"
              "  wsprintfA: ours _wsprintfA@8, exported _wsprintfA\n"
              "  Sleep: ours _Sleep@8, exported _Sleep@4\n"
              "1 of 3 structures exact\n"
              "1 of 3 prototypes link (1 more the libraries do not export)\n"
              "structures that differ, by cause:\n"
              "  member offsets differ: 1, e.g. proof.sdk MOVED_MEMBER\n"
              "  size only differs: 1, e.g. proof.sdk WRONG_SIZE\n"
              "prototypes that do not link, by cause:\n"
              "  __cdecl written as stdcall: 1, e.g. wsprintfA (_wsprintfA@8 vs _wsprintfA)\n"
              "  argument bytes differ: 1, e.g. Sleep (_Sleep@8 vs _Sleep@4)\n");
}

TEST_F(ProveCommandTest, TheWindowsIncludeTreeIsProved) {
    if (!HasMingwHeaders()) {
        GTEST_SKIP() << "no MinGW-w64 headers: apt-get install mingw-w64-i686-dev";
    }
    ASSERT_TRUE(TranslateSdkKit(base, work(), kMingwInclude));
    const CliRun run = Prove("--after windows.sdk windows.sdk");
    EXPECT_NE(run.out.find(" structures exact"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find(" prototypes link"), std::string::npos) << run.out.substr(0, 4000);
}

TEST_F(Prove64CommandTest, LayoutsAndPlainNamesAreProvedAgainstTheX8664Toolchain) {
    const fs::path headers = base.path() / "headers";
    fs::create_directories(headers);
    WriteBytes(headers / "proof.h", kHeader64);
    // The translation gives the folder its 64-bit support include; the include is replaced.
    ASSERT_TRUE(TranslateSdkKit(base, work(), headers.string(), "--target win64"));
    WriteBytes(fs::path(work()) / "sdk64" / "proof.sdk", kInclude64);
    const CliRun run = Prove("proof.sdk", "--target win64");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out,
              "proof.sdk:\n"
              "  NARROW_POINTER: size C 16, assembler 8\n"
              "  NARROW_POINTER.data: offset C 8, assembler 4\n"
              "  Sleep: ours _Sleep, exported Sleep\n"
              "1 of 2 structures exact\n"
              "2 of 3 prototypes link (1 more the libraries do not export)\n"
              "structures that differ, by cause:\n"
              "  member offsets differ: 1, e.g. proof.sdk NARROW_POINTER\n"
              "prototypes that do not link, by cause:\n"
              "  other decoration: 1, e.g. Sleep (_Sleep vs Sleep)\n");
}

TEST(ProveWithoutToolchainTest, SaysWhatToInstall) {
    if (!HasAssembler()) GTEST_SKIP() << "no assembler to get past";
    TempDir base;
    for (const auto& [target, message] :
         {std::pair{"win32", "apt-get install gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686"},
          std::pair{"win64",
                    "x86_64-w64-mingw32-gcc cannot be found: apt-get install "
                    "gcc-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64"}}) {
        const CliRun run = RunCli(base.path().string(), base,
                                  std::string("--kit sdk --target ") + target +
                                      " prove --assembler \"" ONDAVEL_ASSEMBLER "\"",
                                  "PATH=/nowhere ");
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_THAT(run.err, HasSubstr(message));
    }
}

}  // namespace
}  // namespace ondavel::testing
