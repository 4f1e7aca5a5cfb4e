// The programs of examples/, written against the translated SDK includes: each assembles and
// links with the MinGW-w64 import libraries into a Windows program, so that every function it
// calls has a prototype of the right size; under Wine, the console programs print what they
// should, so that the structures, GUIDs and interface macros they use are right too. The
// 64-bit programs are built the same way from the includes translated for 64-bit Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

// What differs between the two machines, from the translation to the link.
struct Machine {
    std::string target;        // the value of --target
    std::string kitFolder;     // the translated SDK kit's folder in the workspace
    std::string objectFormat;  // the assembler's option
    std::string linker;
    std::string linkerPackage;  // the Debian package that has the linker
    std::string libraries;      // the import libraries' folder
    std::string entry;          // the symbol `end start` names, as the linker knows it
};

const Machine kWin32{"win32",
                     "sdk",
                     "-coff",
                     "i686-w64-mingw32-ld",
                     "binutils-mingw-w64-i686",
                     "/usr/i686-w64-mingw32/lib",
                     "_start"};
const Machine kWin64{"win64",
                     "sdk64",
                     "-win64",
                     "x86_64-w64-mingw32-ld",
                     "binutils-mingw-w64-x86-64",
                     "/usr/x86_64-w64-mingw32/lib",
                     "start"};

struct Example {
    std::string name;
    std::string subsystem;
    std::string libraries;
};

const Example kConsole{"console", "console", "-lkernel32"};
const Example kWindow{"window", "windows", "-lkernel32 -luser32"};
const Example kComClient{"comclient", "console", "-lkernel32 -lole32"};
const Example kConsole64{"console64", "console", "-lkernel32"};
const Example kWindow64{"window64", "windows", "-lkernel32 -luser32"};

// A workspace over the MinGW-w64 headers with the SDK kit translated for one machine, and the
// examples built from it.
class ExampleBuild : public ::testing::Test {
  protected:
    explicit ExampleBuild(const Machine& machine) : machine_(machine) {}

    void SetUp() override {
        if (!HasAssembler()) GTEST_SKIP() << kNoAssembler;
        if (!HasMingwHeaders()) GTEST_SKIP() << "no MinGW-w64 headers";
        if (!OnPath(machine_.linker))
            GTEST_SKIP() << "no " << machine_.linker << " (" << machine_.linkerPackage << ")";
        ASSERT_TRUE(TranslateSdkKit(base, work(), kMingwInclude, "--target " + machine_.target));
        if (ReadBytes(kit() + "/wingdi.sdk").find("\r\nERROR\tequ\t<") != std::string::npos) {
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
        const CliRun assembled =
            RunShell("\"" ONDAVEL_ASSEMBLER "\" -q " + machine_.objectFormat + " -Zp8 -I \"" +
                         kit() + "\" -Fo \"" + object + "\" -Fw \"" +
                         base / (example.name + ".err") + "\" \"" + source + ".asm\"",
                     base);
        if (assembled.exitCode != 0) return assembled;
        return RunShell(machine_.linker + " -e " + machine_.entry + " --subsystem " +
                            example.subsystem + " -o \"" + exe(example) + "\" \"" + object +
                            "\" -L" + machine_.libraries + " " + example.libraries,
                        base);
    }

    void ExpectEachBuilds(std::initializer_list<Example> examples) {
        for (const Example& example : examples) {
            const CliRun run = Build(example);
            EXPECT_EQ(run.exitCode, 0) << example.name << ":\n" << run.out << run.err;
            EXPECT_TRUE(fs::exists(exe(example))) << example.name;
        }
    }

    // The command prefix that runs a program under Wine: a prefix of the test's own, made
    // without a display and without offering to install Wine's .NET and HTML engines (a
    // dialog that would wait for an answer).
    std::string Wine() const {
        return "env -u DISPLAY -u WAYLAND_DISPLAY WINEDEBUG=-all "
               "WINEDLLOVERRIDES=mscoree,mshtml= WINEPREFIX=\"" +
               base / "wine" + "\" ";
    }

    // Runs the built example under Wine (after prefix, a command that runs before it).
    CliRun RunUnderWine(const Example& example, const std::string& prefix = {}) {
        return RunShell(Wine() + prefix + "wine \"" + exe(example) + "\" < /dev/null", base);
    }

    // The wine server of the test's prefix is waited for before the folder goes.
    void TearDown() override {
        if (fs::exists(base / "wine")) RunShell(Wine() + "wineserver -w", base);
    }

    std::string work() const { return base / "ws"; }
    std::string kit() const { return work() + "/" + machine_.kitFolder; }
    std::string exe(const Example& example) const { return base / (example.name + ".exe"); }

    const Machine& machine_;
    TempDir base;
};

class ExamplesTest : public ExampleBuild {
  protected:
    ExamplesTest() : ExampleBuild(kWin32) {}
};

class Examples64Test : public ExampleBuild {
  protected:
    Examples64Test() : ExampleBuild(kWin64) {}

    // Wine's 64-bit loader, which the wine command hands 64-bit programs to.
    bool HasWine64() {
        return OnPath("wine") && (OnPath("wine64") || fs::exists("/usr/lib/wine/wine64") ||
                                  fs::exists("/usr/lib64/wine/wine64"));
    }
};

TEST_F(ExamplesTest, EachBuildsAndTheConsoleProgramsPrintTheirLineUnderWine) {
    ExpectEachBuilds({kConsole, kWindow, kComClient});
    if (!OnPath("wine"))
        GTEST_SKIP() << "no wine (./build.sh test installs it where the mirror has it)";
    const struct {
        const Example& example;
        std::string line;
    } cases[] = {{kConsole, "Hello from the console\r\n"},
                 {kComClient, "A shell link made from assembly\n"}};
    for (const auto& c : cases) {
        const CliRun run = RunUnderWine(c.example);
        EXPECT_EQ(run.exitCode, 0) << c.example.name << ":\n" << run.err;
        EXPECT_EQ(run.out, c.line) << c.example.name;
    }
}

// In 64-bit code INVOKE checks each call's arguments against its prototype, whose names the
// import libraries do not decorate: a prototype with an argument too many or too few stops
// the assembler, not the linker.
TEST_F(Examples64Test, EachBuildsAndTheConsoleProgramPrintsItsLineUnderWine) {
    ExpectEachBuilds({kConsole64, kWindow64});
    if (!HasWine64())
        GTEST_SKIP() << "no 64-bit wine (./build.sh test installs wine64 where the mirror has it)";
    const CliRun run = RunUnderWine(kConsole64);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Hello from 64-bit code\r\n");
}

// The window program ends with status 0 only when its class, its window and its message loop
// worked: a structure of the wrong layout (WNDCLASSEXA, MSG) makes RegisterClassExA or the
// loop fail. Wine opens windows only on a display: a virtual one, in a Wine prefix of its own
// (after a run without a display in the same prefix, the window program fails).
TEST_F(Examples64Test, TheWindowProgramRunsItsMessageLoopToTheEnd) {
    if (!HasWine64())
        GTEST_SKIP() << "no 64-bit wine (./build.sh test installs wine64 where the mirror has it)";
    if (!OnPath("xvfb-run")) GTEST_SKIP() << "no xvfb-run (xvfb)";
    ExpectEachBuilds({kWindow64});
    const CliRun run = RunUnderWine(kWindow64, "xvfb-run -a timeout 120 ");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
}

}  // namespace
}  // namespace ondavel::testing
