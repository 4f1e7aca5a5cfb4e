// Files are never lost or left half-written: outputs take their name only when complete, a
// write error fails the command with the file's path, an interrupted batch leaves nothing
// half-written, and no header list can make the batch write outside the kit's output folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

// Every file below directory, by its path relative to it.
std::vector<std::string> FilesUnder(const fs::path& directory) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) files.push_back(fs::relative(entry, directory).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool HasTemporary(const fs::path& directory) {
    for (const std::string& file : FilesUnder(directory)) {
        if (file.find(".part-") != std::string::npos) return true;
    }
    return false;
}

class FileSafetyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales.txt", base / "egales.txt");
        std::string header;
        for (int n = 0; n < 200; ++n) header += "#define VALUE" + std::to_string(n) + " 1\r\n";
        WriteBytes(base / "big.h", header);
    }
    CliRun Run(const std::string& arguments, const std::string& shellPrefix = {}) {
        return RunCli(base.path().string(), outputs, "-q --kit sdk " + arguments, shellPrefix);
    }

    TempDir base;
    TempDir outputs;
};

TEST_F(FileSafetyTest, HostileListLinesReadAnywhereButWriteOnlySafeNamesInTheFolder) {
    TempDir elsewhere;
    const std::string longName = std::string(240, 'n') + ".h";
    for (const std::string name : {"evil.h",
                                   "line\x01"
                                   "end.h",
                                   longName.c_str()}) {
        WriteBytes(elsewhere / name, "#pragma once\r\n");
    }
    fs::create_directory(base / "sdk");
    WriteBytes(base / "header.txt", "..\r\n" + (base / "sdk/../big.h") + "\r\n" +
                                        (elsewhere / "evil.h") + "\r\n" +
                                        (elsewhere / "line\x01"
                                                     "end.h") +
                                        "\r\n");
    EXPECT_EQ(Run("all").exitCode, 1);  // ".." is a folder, not a header
    EXPECT_EQ(FilesUnder(base / "sdk"), (std::vector<std::string>{"..sdk", "big.sdk", "evil.sdk",
                                                                  "line_end.sdk", "ondavel.inc"}));
    EXPECT_THAT(ReadBytes(base / "sdk/evil.sdk"), EndsWith(kCountLine));
    // A name too long for a file system with a temporary name beside it is cut.
    fs::create_directory(base / "to");
    EXPECT_EQ(
        Run("file --to \"" + (base / "to") + "\" \"" + (elsewhere / longName) + "\"").exitCode, 0);
    EXPECT_EQ(FilesUnder(base / "to"), (std::vector<std::string>{std::string(200, 'n') + ".sdk"}));
    EXPECT_EQ(FilesUnder(elsewhere.path()).size(), 3u);
}

// ulimit -f: no file may grow past 1 KB, as on a full disk; the signal is ignored so that the
// write fails instead of killing the command. An output and the knowledge file a merge grows
// keep what they held.
TEST_F(FileSafetyTest, AFullDiskFailsWithThePathAndKeepsTheOldFile) {
    fs::create_directory(base / "to");
    WriteBytes(base / "to/big.sdk", "old");
    WriteBytes(base / "learn.txt", "LPFRESH = DWORD ; fresh.h\r\n");
    ASSERT_GT(ReadBytes(base / "egales.txt").size(), 1024u);
    const struct {
        std::string arguments, file, message;
    } cases[] = {
        {"file --to \"" + (base / "to") + "\" \"" + (base / "big.h") + "\"", base / "to/big.sdk",
         "WriteFile: " + (base / "to/big.sdk")},
        {"knowledge merge \"" + (base / "egales.txt") + "\" \"" + (base / "learn.txt") + "\"",
         base / "egales.txt", base / "egales.txt" + " cannot be written: File too large"},
    };
    for (const auto& c : cases) {
        const std::string before = ReadBytes(c.file);
        const CliRun run = Run(c.arguments, "ulimit -f 2; trap '' XFSZ; ");
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_EQ(ReadBytes(c.file), before);
        EXPECT_FALSE(HasTemporary(base.path()));
    }
}

TEST_F(FileSafetyTest, AnOutputThatCannotTakeItsNameFailsWithThePath) {
    // Root may write anywhere; a folder in the output's place refuses everyone.
    fs::create_directories(base / "sdk/big.sdk");
    WriteBytes(base / "header.txt", base / "big.h");
    const CliRun run = Run("all");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr(base / "sdk/big.sdk"));
    EXPECT_FALSE(HasTemporary(base.path()));
    EXPECT_THAT(ReadBytes(base / "journal.txt"), StartsWith(base / "big.h"));
}

TEST_F(FileSafetyTest, AnInterruptedBatchLeavesEveryFileWholeOrUntouched) {
    fs::create_directory(base / "sdk");
    std::string list;
    for (int n = 0; n < 3000; ++n) {
        const std::string header = "h" + std::to_string(n) + ".h";
        fs::copy_file(base / "big.h", base / header);
        list += (base / header) + "\r\n";
    }
    WriteBytes(base / "header.txt", list);
    WriteBytes(base / "liste.txt", "old");
    WriteBytes(base / "BlocsdeTexte.txt", "old");
    // Interrupted once the first header's output is there; the last command's output is what is
    // kept.
    const CliRun run = Run("all --list 2>/dev/null & pid=$!; while [ -z \"$(ls '" + (base / "sdk") +
                           "' | grep sdk)\" ]; do sleep 0.01; done; kill -TERM $pid; " +
                           "wait $pid; echo \"status $?\"");
    EXPECT_EQ(run.out, "status 143\n");
    const std::vector<std::string> written = FilesUnder(base / "sdk");
    EXPECT_FALSE(written.empty());
    EXPECT_LT(written.size(), 3000u);
    for (const std::string& file : written) {
        if (file == "ondavel.inc") continue;
        EXPECT_THAT(ReadBytes(base.path() / "sdk" / file), EndsWith(kCountLine)) << file;
    }
    EXPECT_FALSE(HasTemporary(base.path()));
    EXPECT_EQ(ReadBytes(base / "liste.txt"), "old");
    EXPECT_EQ(ReadBytes(base / "BlocsdeTexte.txt"), "old");
    EXPECT_THAT(ReadBytes(base / "journal.txt"), EndsWith("\r\n"));
}

}  // namespace
}  // namespace ondavel::testing
