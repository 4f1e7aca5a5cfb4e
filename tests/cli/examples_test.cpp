// The programs of examples/, written against the translated SDK includes: each assembles and
// links with the MinGW-w64 import libraries into a Windows program, so that every function it
// calls has a prototype of the right size; under Wine, the console programs print what they
// should, so that the structures, GUIDs and interface macros they use are right too.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMingwInclude = "/usr/share/mingw-w64/include";
constexpr const char* kLinker = "i686-w64-mingw32-ld";

struct Example {
    std::string name;
    std::string subsystem;
    std::string libraries;
};

const Example kConsole{"console", "console", "-lkernel32"};
const Example kWindow{"window", "windows", "-lkernel32 -luser32"};
const Example kComClient{"comclient", "console", "-lkernel32 -lole32"};

class ExamplesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(ONDAVEL_ASSEMBLER).empty()) {
            GTEST_SKIP() << "no assembler: build with -DONDAVEL_ASSEMBLER=PATH";
        }
        if (!fs::exists(fs::path(kMingwInclude) / "windows.h"))
            GTEST_SKIP() << "no MinGW-w64 headers";
        if (!OnPath(kLinker)) GTEST_SKIP() << "no " << kLinker << " (binutils-mingw-w64-i686)";
        ASSERT_TRUE(TranslateSdkKit(base, work(), kMingwInclude));
        if (ReadBytes(work() + "/sdk/wingdi.sdk").find("\r\nERROR\tequ\t<") != std::string::npos) {
            GTEST_SKIP() << "wingdi.sdk makes ERROR a text equate (C: #define ERROR 0); the "
                            "assembler's own .data and .data? write ASSUME CS:ERROR, which then "
                            "stops them: A2069 Segment, group or segment register expected";
        }
    }

    bool OnPath(const std::string& program) {
        return RunShell("command -v " + program, base).exitCode == 0;
    }

    // Assembles examples/NAME.asm and links it into NAME.exe; the run that failed, else the link.
    CliRun Build(const Example& example) {
        const std::string source = std::string(ONDAVEL_SOURCE_DIR) + "/examples/" + example.name;
        const std::string object = base / (example.name + ".obj");
        const CliRun assembled = RunShell(
            "\"" ONDAVEL_ASSEMBLER "\" -q -coff -Zp8 -I \"" + work() + "/sdk\" -Fo \"" + object +
                "\" -Fw \"" + base / (example.name + ".err") + "\" \"" + source + ".asm\"",
            base);
        if (assembled.exitCode != 0) return assembled;
        return RunShell(std::string(kLinker) + " -e _start --subsystem " + example.subsystem +
                            " -o \"" + exe(example) + "\" \"" + object +
                            "\" -L/usr/i686-w64-mingw32/lib " + example.libraries,
                        base);
    }

    std::string work() const { return base / "ws"; }
    std::string exe(const Example& example) const { return base / (example.name + ".exe"); }

    TempDir base;
};

TEST_F(ExamplesTest, EachAssemblesAndLinksIntoAWindowsProgram) {
    for (const Example& example : {kConsole, kWindow, kComClient}) {
        const CliRun run = Build(example);
        EXPECT_EQ(run.exitCode, 0) << example.name << ":\n" << run.out << run.err;
        EXPECT_TRUE(fs::exists(exe(example))) << example.name;
    }
}

TEST_F(ExamplesTest, TheConsoleProgramsPrintTheirLineUnderWine) {
    if (!OnPath("wine")) GTEST_SKIP() << "no wine (./build.sh test installs it)";
    // A prefix of the test's own, made without a display and without offering to install
    // Wine's .NET and HTML engines (a dialog that would wait for an answer); its wine server
    // is waited for before the folder goes.
    const std::string wine =
        "env -u DISPLAY -u WAYLAND_DISPLAY WINEDEBUG=-all "
        "WINEDLLOVERRIDES=mscoree,mshtml= WINEPREFIX=\"" +
        base / "wine" + "\" ";
    const struct {
        const Example& example;
        std::string line;
    } cases[] = {{kConsole, "Hello from the console\r\n"},
                 {kComClient, "A shell link made from assembly\n"}};
    for (const auto& c : cases) {
        ASSERT_EQ(Build(c.example).exitCode, 0) << c.example.name;
        const CliRun run = RunShell(wine + "wine \"" + exe(c.example) + "\" < /dev/null", base);
        EXPECT_EQ(run.exitCode, 0) << c.example.name << ":\n" << run.err;
        EXPECT_EQ(run.out, c.line) << c.example.name;
    }
    RunShell(wine + "wineserver -w", base);
}

}  // namespace
}  // namespace ondavel::testing
