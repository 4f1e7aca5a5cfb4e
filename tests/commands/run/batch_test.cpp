// The batch as a caller paces it: idle -> running -> finished once, and the busy guard that
// keeps a second batch or a single file from starting meanwhile.
#include "run/batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/output_name.h"
#include "run/commands.h"
#include "run/kit_profiles.h"
#include "session/session.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

TEST(OutputNameTest, TheLastExtensionBecomesSdkInLowercase) {
    EXPECT_EQ(OutputFileName("C:\\sdk\\include\\d3d9.types.h"), "d3d9.types.sdk");
    EXPECT_EQ(OutputFileName("dir.d/NOEXT"), "noext.sdk");
    // An Include line names the header's output exactly, its folder kept.
    EXPECT_EQ(IncludedOutputName("Sec_Api/conio_s.h"), "sec_api/conio_s.sdk");
    EXPECT_EQ(IncludedOutputName("sys.d/types"), "");
}

class BatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales.txt", dir / "egales.txt");
        WriteBytes(dir / "one.h", "#pragma once\r\n");
        WriteBytes(dir / "header.txt", (dir / "one.h") + "\r\n" + (dir / "one.h"));
        session.run.baseDirectory = dir.path().string() + "/";
        ChooseKit(session, Kit::Sdk);
    }
    // Starts a batch over header.txt and runs its steps to the end.
    void RunWholeBatch() {
        ASSERT_TRUE(StartBatch(session, NameList::Skip));
        while (ClaimBatchStep(session) && RunBatchStep(session) != BatchStepResult::Finished) {
        }
    }
    int AllDoneShown() const {
        int count = 0;
        for (const auto& [part, text] : host.statuses) count += text == "ALL DONE" ? 1 : 0;
        return count;
    }

    RecordingHost host;
    Session session{host};
    TempDir dir;
};

TEST_F(BatchTest, StepsRunOneAtATimeAndFinishOnce) {
    ASSERT_TRUE(StartBatch(session, NameList::Skip));
    EXPECT_FALSE(StartBatch(session, NameList::Write));  // already running
    EXPECT_EQ(TranslateChosenFile(session, dir / "one.h", ""), FileResult::Failed);
    EXPECT_EQ(host.view, "");

    ASSERT_TRUE(ClaimBatchStep(session));
    EXPECT_FALSE(ClaimBatchStep(session));  // that step is under way
    EXPECT_EQ(GetBatchProgress(session).next, dir / "one.h");
    EXPECT_EQ(RunBatchStep(session), BatchStepResult::Done);
    ASSERT_TRUE(ClaimBatchStep(session));
    EXPECT_EQ(RunBatchStep(session), BatchStepResult::Done);  // the last line, without CR LF
    EXPECT_EQ(GetBatchProgress(session).done, 2u);
    ASSERT_TRUE(ClaimBatchStep(session));
    EXPECT_EQ(RunBatchStep(session), BatchStepResult::Finished);
    EXPECT_EQ(AllDoneShown(), 1);

    EXPECT_FALSE(ClaimBatchStep(session));
    // A stray step finishes nothing again.
    EXPECT_EQ(RunBatchStep(session), BatchStepResult::Finished);
    EXPECT_EQ(AllDoneShown(), 1);
    EXPECT_EQ(GetBatchProgress(session).total, 0u);
    EXPECT_EQ(session.run.journalFile, nullptr);
    EXPECT_EQ(TranslateChosenFile(session, dir / "one.h", ""), FileResult::Done);  // idle again
}

// Two headers of one output name: the second is written under a name of its own and the clash
// is journalled and shown; a header listed twice keeps its name.
TEST_F(BatchTest, NoHeaderReplacesTheOutputOfAnother) {
    for (const char* folder : {"a", "b"}) fs::create_directories(dir / folder);
    const std::string first = dir / "a/windows.h", second = dir / "b/Windows.h";
    WriteBytes(first, "#define A 1\r\n");
    WriteBytes(second, "#define B 2\r\n");
    WriteBytes(dir / "header.txt", first + "\r\n" + second + "\r\n" + first + "\r\n");
    RunWholeBatch();
    EXPECT_EQ(ReadBytes(dir / "sdk/windows.sdk").substr(0, 10), "A\tequ\t< 1>");
    EXPECT_EQ(ReadBytes(dir / "sdk/windows~2.sdk").substr(0, 10), "B\tequ\t< 2>");
    EXPECT_FALSE(fs::exists(dir / "sdk/windows~3.sdk"));
    const std::string clash = "Nom de sortie deja pris: windows.sdk, ecrit sous windows~2.sdk";
    EXPECT_NE(ReadBytes(dir / "journal.txt").find(clash), std::string::npos);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, clash);
}

// A header in a sub-folder of the list's first header's folder is written where its Include
// lines look for it; a header elsewhere by its file name. "sys/fcntl.h" including <fcntl.h>
// means the top one: the include that names the header's own output name climbs out of its
// folder, where the assembler would find the include itself.
TEST_F(BatchTest, SubFolderHeadersKeepTheirFolder) {
    for (const char* folder : {"inc/sys", "other"}) fs::create_directories(dir / folder);
    WriteBytes(dir / "inc/fcntl.h", "#define O_RDONLY 0\r\n");
    WriteBytes(dir / "inc/sys/fcntl.h", "#include <fcntl.h>\r\n#include <io.h>\r\n");
    WriteBytes(dir / "other/extra.h", "#define A 1\r\n");
    WriteBytes(dir / "header.txt", dir / "inc/fcntl.h" + "\r\n" + dir / "inc/sys/fcntl.h" + "\r\n" +
                                       dir / "other/extra.h" + "\r\n");
    RunWholeBatch();
    EXPECT_EQ(ReadBytes(dir / "sdk/sys/fcntl.sdk").substr(0, 38),
              "Include ../fcntl.sdk\r\nInclude io.sdk\r\n");
    for (const char* name : {"fcntl.sdk", "extra.sdk"}) {
        EXPECT_TRUE(fs::exists(dir / "sdk/" + name)) << name;
    }
}

// Names that cross headers: an enumerator of one header #defined by a later one, and a
// function of one header #defined by a later one, still assemble in either order.
TEST_F(BatchTest, ANameOfAnEarlierHeaderKeepsItsMeaning) {
    WriteBytes(dir / "base.h",
               "typedef enum _MISC { OLEMISC_ALWAYSRUN = 0x800 } MISC;\r\n"
               "int WINAPI lstrlenW(LPCWSTR lpString);\r\n"
               "typedef struct _INTERFACE { WORD Size; } INTERFACE;\r\n");
    WriteBytes(dir / "later.h",
               "#define OLEMISC_ALWAYSRUN 0x00000800L\r\n#define lstrlenW MNLS_lstrlenW\r\n"
               "#define INTERFACE IDrmAudioStream\r\n");
    WriteBytes(dir / "header.txt", (dir / "base.h") + "\r\n" + (dir / "later.h") + "\r\n");
    RunWholeBatch();
    // The function and the structure keep their names: no equate follows the guarded one.
    EXPECT_EQ(ReadBytes(dir / "sdk/later.sdk"),
              "IFNDEF OLEMISC_ALWAYSRUN\r\nOLEMISC_ALWAYSRUN\tequ\t< 000000800h>\r\nENDIF\r\n"
              "\r\n\r\n;+ IF > endif  D\xE9"
              "compte des if: 0\r\n");
}

}  // namespace
}  // namespace ondavel::testing
