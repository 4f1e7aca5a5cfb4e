// ondavel init end to end: a workspace from an include tree, the same one from a copy of the
// program alone, the refusal to replace a user's files, a missing include folder; and the
// bundled sample tree translated by every kit, with the counts that the bundled knowledge files
// must keep giving.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

class WorkspaceTest : public ::testing::Test {
  protected:
    CliRun Init(const std::string& arguments) { return RunCli(base, "init " + arguments); }
    std::string In(const std::string& name) const { return base / name; }

    TempDir base;
};

TEST_F(WorkspaceTest, InitWritesKnowledgeFilesAndHeaderListsInDependencyOrder) {
    TempDir tree;
    for (const char* name : {"zlib.h", "winbase.h", "Abc.h", "windows.h", "windef.h", "d3d9.h",
                             "dxgi.h", "notes.txt"}) {
        WriteBytes(tree.path() / name, "");
    }
    for (const char* folder : {"ddk", "sys", "wrl", "psdk_inc"}) {
        fs::create_directory(tree.path() / folder);
    }
    for (const char* name :
         {"ddk/usb.h", "ddk/wdm.h", "sys/types.h", "wrl/client.h", "psdk_inc/_ip_types.h"}) {
        WriteBytes(tree.path() / name, "");
    }

    const CliRun run = Init("\"" + In("ws") + "\" --include \"" + tree.path().string() + "\"");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string t = tree.path().string() + "/";
    EXPECT_EQ(ReadBytes(In("ws/header.txt")),
              t + "windef.h\r\n" + t + "winbase.h\r\n" + t + "windows.h\r\n" + t + "Abc.h\r\n" + t +
                  "zlib.h\r\n" + t + "psdk_inc/_ip_types.h\r\n" + t + "sys/types.h\r\n");
    EXPECT_EQ(ReadBytes(In("ws/Dxheader.txt")), t + "d3d9.h\r\n" + t + "dxgi.h\r\n");
    EXPECT_EQ(ReadBytes(In("ws/winddkheader.txt")), t + "ddk/wdm.h\r\n" + t + "ddk/usb.h\r\n");
    EXPECT_THAT(ReadBytes(In("ws/DarkGdkHeader.txt")), StartsWith(";"));
    const fs::path kits = fs::path(ONDAVEL_SOURCE_DIR) / "kits";
    for (const char* name : {"egales.txt", "directx.txt", "winddkegale.txt"}) {
        EXPECT_EQ(ReadBytes(In(std::string("ws/") + name)), ReadBytes(kits / name)) << name;
    }
    EXPECT_EQ(ReadBytes(In("ws/Test.txt")), ReadBytes(kits / "sample" / "Test.txt"));
    EXPECT_TRUE(fs::exists(In("ws/README.txt")));
}

// Every file under folder by its path there, with its bytes.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path());
        }
    }
    return files;
}

// The program carries its kits: a copy of it alone in an empty folder, far from the source
// tree and the build, makes the very workspace the built program makes.
TEST_F(WorkspaceTest, ABinaryCopiedAloneMakesTheSameWorkspace) {
    ASSERT_EQ(Init("\"" + In("ws") + "\"").exitCode, 0);
    fs::rename(In("ws"), In("from-build"));
    TempDir alone;
    fs::copy_file(ONDAVEL_CLI, alone / "ondavel");

    const CliRun run =
        RunShell("cd \"" + In("") + "\" && \"" + (alone / "ondavel") + "\" init ws", base);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FilesUnder(In("ws")), FilesUnder(In("from-build")));
}

TEST_F(WorkspaceTest, AnExistingWorkspaceIsReplacedOnlyWithForce) {
    const std::string arguments = "\"" + In("ws") + "\" --include \"" + kSampleInclude + "\"";
    ASSERT_EQ(Init(arguments).exitCode, 0);
    WriteBytes(In("ws/egales.txt"), "edited by the user");

    const CliRun refused = Init(arguments);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr("--force"));
    EXPECT_EQ(ReadBytes(In("ws/egales.txt")), "edited by the user");

    EXPECT_EQ(Init(arguments + " --force").exitCode, 0);
    EXPECT_NE(ReadBytes(In("ws/egales.txt")), "edited by the user");
}

TEST_F(WorkspaceTest, AMissingIncludeFolderIsRefusedAndWritesNothing) {
    const CliRun run = Init("\"" + In("ws") + "\" --include \"" + In("no-such-folder") + "\"");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("no-such-folder does not exist"));
    EXPECT_FALSE(fs::exists(In("ws")));
}

// Every kit over the bundled sample headers: a change to a knowledge file that loses a type,
// a structure or a reserved name shows here as a changed count.
TEST_F(WorkspaceTest, TheSampleTreeTranslatesWithTheExpectedCounts) {
    ASSERT_TRUE(InitWorkspace(base, In("ws"), kSampleInclude));
    struct Expected {
        const char* kit;
        const char* output;
        size_t structs, protos, equates, unknown;
    };
    for (const Expected& e : {Expected{"sdk", "sdk/sample.sdk", 1, 3, 5, 1},
                              Expected{"directx", "directx/d3dsample.sdk", 1, 1, 1, 0},
                              Expected{"winddk", "winddk/sampledrv.sdk", 1, 1, 1, 0}}) {
        const CliRun run = RunCli(In("ws"), base, std::string("-q --kit ") + e.kit + " all");
        ASSERT_EQ(run.exitCode, 0) << e.kit << run.err;
        const std::string out = ReadBytes(In(std::string("ws/") + e.output));
        EXPECT_EQ(Occurrences(out, "\tSTRUCT\r\n"), e.structs) << e.kit;
        EXPECT_EQ(Occurrences(out, " PROTO "), e.protos) << e.kit;
        EXPECT_EQ(Occurrences(out, "\tequ\t") + Occurrences(out, "\tEQU "), e.equates) << e.kit;
        EXPECT_EQ(Occurrences(out, " inconnu "), e.unknown) << e.kit;
    }
    // MASM words as member names are renamed.
    EXPECT_THAT(ReadBytes(In("ws/winddk/sampledrv.sdk")), HasSubstr("\t_lock DWORD ?\r\n"));
}

}  // namespace
}  // namespace ondavel::testing
