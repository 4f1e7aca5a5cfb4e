// The conditions tool in the terminal: the open IF lines on standard output, the exit status
// says whether the name was found.
#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

TEST(ConditionsCommandTest, ListsTheConditionsOneALine) {
    TempDir base;
    WriteBytes(base / "file.inc", "IFDEF A\r\nIF B\r\nENDIF\r\nIFNDEF C\r\nX equ 1\r\nY equ 2\r\n");
    const std::string file = " \"" + base / "file.inc" + "\"";
    const CliRun found = RunCli(base, "conditions X" + file);
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_EQ(found.out, "IFDEF A 1\nIFNDEF C 4\n");

    const CliRun missing = RunCli(base, "conditions Z" + file);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, HasSubstr("Z: Echec,la r\xC3\xA9"));

    EXPECT_EQ(RunCli(base, "conditions X \"" + base / "none.inc" + "\"").exitCode, 2);
}

}  // namespace
}  // namespace ondavel::testing
