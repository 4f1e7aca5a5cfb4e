// Runs the real ondavel command in a base directory, or any command line, and keeps what it
// printed.
#pragma once

#include <gmock/gmock.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace ondavel::testing {

// What the end-to-end tests look for in a command's texts; on failure the text is printed.
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// The last line of every translation that leaves no IF level open.
inline const std::string kCountLine =
    "\r\n\r\n;+ IF > endif  D\xE9"
    "compte des if: 0\r\n";

// The MinGW-w64 headers: the real-world tree that end-to-end tests translate when it is there.
inline const std::string kMingwInclude = "/usr/share/mingw-w64/include";
inline bool HasMingwHeaders() {
    return std::filesystem::exists(kMingwInclude + "/windows.h");
}

// Whether the build was given an assembler, and what to tell when it was not.
inline bool HasAssembler() {
    return !std::string(ONDAVEL_ASSEMBLER).empty();
}
inline const char* const kNoAssembler =
    "no assembler: build with -DONDAVEL_ASSEMBLER=PATH (./build.sh test builds JWasm from "
    "../shared/tools/jwasm when it is there)";

struct CliRun {
    int exitCode = -1;
    std::string out;  // standard output: the output view
    std::string err;  // standard error: messages and status texts
};

// Runs a shell command line and keeps what it printed, in files of outputs.
inline CliRun RunShell(const std::string& command, const TempDir& outputs) {
    const std::string redirected =
        command + " > \"" + (outputs / "cli.out") + "\" 2> \"" + (outputs / "cli.err") + "\"";
    const int status = std::system(redirected.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(outputs / "cli.out");
    run.err = ReadBytes(outputs / "cli.err");
    return run;
}

// arguments are put after the program name as they stand (quote them yourself). A shell prefix
// runs before the command in the same shell ("ulimit -f 2; ").
inline CliRun RunCli(const std::string& base, const TempDir& outputs, const std::string& arguments,
                     const std::string& shellPrefix = {}) {
    return RunShell(shellPrefix + "\"" + ONDAVEL_CLI + "\" --base \"" + base + "\" " + arguments,
                    outputs);
}

inline CliRun RunCli(const TempDir& base, const std::string& arguments) {
    return RunCli(base.path().string(), base, arguments);
}

// The sample include tree the program carries.
inline const std::string kSampleInclude = ONDAVEL_SOURCE_DIR "/kits/sample/include";

// A workspace made by init over the include folder, at work; false when init failed.
inline bool InitWorkspace(const TempDir& outputs, const std::string& work,
                          const std::string& include) {
    return RunCli(outputs, "init \"" + work + "\" --include \"" + include + "\"").exitCode == 0;
}

// Such a workspace with its SDK kit translated (options go before "all": "--target win64");
// false when either command failed.
inline bool TranslateSdkKit(const TempDir& outputs, const std::string& work,
                            const std::string& include, const std::string& options = {}) {
    return InitWorkspace(outputs, work, include) &&
           RunCli(work, outputs, "-q --kit sdk " + options + " all").exitCode == 0;
}

// A workspace at base/ws for the commands that run the build's assembler; they skip when the
// build was given none.
class AssemblerWorkspaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HasAssembler()) GTEST_SKIP() << kNoAssembler;
    }
    // command ("check", "prove") in the workspace with the build's assembler; options go
    // before it ("--target win64").
    CliRun RunWithAssembler(const std::string& command, const std::string& arguments,
                            const std::string& options = {}) {
        return RunCli(work(), base,
                      "-q --kit sdk " + options + " " + command +
                          " --assembler \"" ONDAVEL_ASSEMBLER "\" " + arguments);
    }
    std::string work() const { return base / "ws"; }

    TempDir base;
};

// How many times part stands in text, overlapping ones included.
inline size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace ondavel::testing
