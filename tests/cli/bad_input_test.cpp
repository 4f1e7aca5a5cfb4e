// Whatever Test.txt holds, the command ends cleanly: a described message or a clear error on
// standard error, a non-zero exit only when the command could not run.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

class BadInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales.txt", base / "egales.txt");
    }
    CliRun Translate(const std::string& arguments = "--kit sdk test") {
        return RunCli(base, "-q " + arguments);
    }
    TempDir base;
};

// Each header ends its translation with the count line, or holds nothing to translate.
TEST_F(BadInputTest, HostileHeadersTranslateAndExitCleanly) {
    using ::testing::Eq;
    struct Case {
        const char* name;
        std::string bytes;
        ::testing::Matcher<const std::string&> out;
        std::optional<std::string> journal = std::nullopt;  // nullopt: not checked
        ::testing::Matcher<const std::string&> err = ::testing::_;
    };
    std::string binary, opens, closes;
    for (int round = 0; round < 64; ++round) {
        for (int c = 0; c < 256; ++c) binary.push_back(static_cast<char>((c * 7 + round) & 0xFF));
    }
    for (int n = 0; n < 100000; ++n) {
        opens += "(\r\n";
        closes += ")\r\n";
    }
    const Case cases[] = {
        {"NUL bytes", std::string(4096, '\0'), EndsWith(kCountLine)},
        {"binary", binary, EndsWith(kCountLine)},
        {"CR only", "#pragma once\r#pragma once\r", EndsWith(kCountLine)},
        {"unterminated comment", "/* never closed\n#pragma once\n", EndsWith(kCountLine)},
        {"unterminated string", "s = \"never closed;\n", EndsWith(kCountLine)},
        {"empty", "", Eq(""), {}, HasSubstr("Test.txt: nothing to translate")},
        {"a ten-megabyte line", std::string(10 << 20, 'x'), Eq(kCountLine),
         "Maximum de longueur ligne d\xE9pass\xE9 : 10485760 Limite: 1040 Num\xE9ro: 1\r\n"},
        {"a hundred thousand nested parentheses",
         "int f" + opens + closes + ";\r\n#pragma once\r\n", Eq(";ECHO   once\r\n" + kCountLine)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(base / "journal.txt");
        WriteBytes(base / "Test.txt", c.bytes);
        const CliRun run = Translate();
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_THAT(run.out, c.out);
        EXPECT_THAT(run.err, c.err);
        if (c.journal) {
            EXPECT_EQ(ReadBytes(base / "journal.txt"), *c.journal);
        }
    }
}

TEST_F(BadInputTest, AHeaderListOfAHundredThousandLines) {
    WriteBytes(base / "c.h", "#pragma once\r\n");
    std::string list;
    for (int n = 1; n < 100000; ++n) list += n % 2 == 0 ? ";\r\n" : "\r\n";
    WriteBytes(base / "header.txt", list + (base / "c.h") + "\r\n");
    const CliRun run = Translate("--kit sdk all");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "sdk/c.sdk"), ";ECHO   once\r\n" + kCountLine);
}

TEST_F(BadInputTest, CommandsThatCannotRunSaySoAndFail) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> prepare;
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"no Test.txt", [](const TempDir&) {}, "--kit sdk test", "SetTestFichier: "},
        {"a directory", [](const TempDir& b) { fs::create_directory(b / "Test.txt"); },
         "--kit sdk test", "LoadFile: "},
        // Unreadable for root as well: a pipe would block the reader forever.
        {"a named pipe", [](const TempDir& b) { ::mkfifo((b / "Test.txt").c_str(), 0644); },
         "--kit sdk test", "LoadFile: "},
        {"no knowledge file",
         [](const TempDir& b) {
             WriteBytes(b / "Test.txt", "#pragma once\n");
             fs::remove(b / "egales.txt");
         },
         "--kit sdk test", "SetTestFichier: "},
        {"no kit", [](const TempDir& b) { WriteBytes(b / "Test.txt", "#pragma once\n"); }, "test",
         "You must CHOOSE a SDK"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales.txt", dir / "egales.txt");
        c.prepare(dir);
        const CliRun run = RunCli(dir, std::string("-q ") + c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_THAT(run.err, HasSubstr(c.message)) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
    }
}

}  // namespace
}  // namespace ondavel::testing
