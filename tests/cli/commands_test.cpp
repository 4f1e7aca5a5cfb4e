// The kit commands end to end through the real command in a base directory of their own: the
// batch, the single file, liste.txt, the learning pass and the Oleview command.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

// 30 characters: three of them fill a line of liste.txt.
std::string LongName(char last) {
    return std::string(29, 'N') + last;
}

class CommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales.txt", base / "egales.txt");
        WriteBytes(base / "a.h",
                   "typedef DWORD MYTYPE;\r\nDECLARE_HANDLE(HFOO);\r\n"
                   "int WINAPI " +
                       LongName('1') + "(int a);\r\nint WINAPI " + LongName('2') +
                       "(int a);\r\nint WINAPI " + LongName('3') + "(int a);\r\nint WINAPI " +
                       LongName('4') + "(int a);\r\n");
        WriteBytes(base / "b.h", "// nothing declared\r\n");
        WriteBytes(base / "c.h", "#pragma once\r\n");
    }
    std::string Path(const std::string& name) const { return base / name; }
    void HeaderList(const std::string& bytes) { WriteBytes(base / "header.txt", bytes); }

    TempDir base;
};

TEST_F(CommandsTest, ABatchTranslatesEveryListedHeader) {
    HeaderList(Path("a.h") + "\r\n" + Path("b.h") + "\r\n" + Path("c.h") + "\r\n");
    const CliRun run = RunCli(base, "--kit sdk all");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Occurrences(run.err, "ALL DONE"), 1u) << run.err;
    EXPECT_EQ(ReadBytes(base / "sdk/b.sdk"), "; nothing declared\r\n" + kCountLine);
    EXPECT_EQ(ReadBytes(base / "sdk/c.sdk"), ";ECHO   once\r\n" + kCountLine);
    EXPECT_THAT(ReadBytes(base / "sdk/a.sdk"), EndsWith(kCountLine));
    EXPECT_THAT(ReadBytes(base / "journal.txt"), StartsWith(Path("a.h") + "\r\n"));
    EXPECT_EQ(ReadBytes(base / "BlocsdeTexte.txt"), Path("a.h") + "\r\ntypedef DWORD MYTYPE;\r\n" +
                                                        Path("b.h") + "\r\n" + Path("c.h") +
                                                        "\r\n");
    EXPECT_FALSE(fs::exists(base / "liste.txt"));
}

TEST_F(CommandsTest, ABatchGoesOnPastLinesThatNameNoReadableHeader) {
    const std::string tooLong = "/" + std::string(260, 'x') + ".h";
    HeaderList("; the SDK headers\r\n" + Path("missing.h") + "\r\n\r\n" + tooLong + "\r\n" +
               Path("b.h") + "\r\n" + Path("c.h"));
    const CliRun run = RunCli(base, "-q --kit sdk all");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("SetTestFichier: " + Path("missing.h")));
    EXPECT_THAT(run.err, HasSubstr("line 4: a header path longer than 260 characters is refused"));
    EXPECT_EQ(ReadBytes(base / "sdk/missing.sdk"), "");
    EXPECT_EQ(ReadBytes(base / "sdk/c.sdk"), ";ECHO   once\r\n" + kCountLine);
    EXPECT_EQ(ReadBytes(base / "journal.txt"),
              Path("missing.h") + "\r\n" + Path("b.h") + "\r\n" + Path("c.h") + "\r\n");
    // The three outputs and the support include.
    EXPECT_EQ(std::distance(fs::directory_iterator(base / "sdk"), fs::directory_iterator()), 4);
}

// The batch with its list, and the test command, write each header's names into liste.txt.
TEST_F(CommandsTest, TheListBatchAndTheTestCommandWriteEachHeadersNames) {
    HeaderList(Path("a.h") + "\r\n" + Path("b.h") + "\r\n");
    const CliRun run = RunCli(base, "-q --kit sdk all --list");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "liste.txt"),
              Path("a.h") + "\r\nDWORD\r\n\tMYTYPE,HFOO\r\nFonctions\r\n\t" + LongName('1') + "," +
                  LongName('2') + "," + LongName('3') + ",\r\n\t" + LongName('4') + "\r\n" +
                  Path("b.h") + "\r\n");
    fs::copy_file(base / "a.h", base / "Test.txt");
    EXPECT_EQ(RunCli(base, "-q --kit sdk test").exitCode, 0);
    EXPECT_THAT(ReadBytes(base / "liste.txt"),
                StartsWith("DWORD\r\n\tMYTYPE,HFOO\r\nFonctions\r\n"));
}

TEST_F(CommandsTest, OneFileGoesToTheViewOrIntoAFolder) {
    HeaderList(Path("c.h") + "\r\n");
    const CliRun toView = RunCli(base, "-q --kit sdk file c.h");
    EXPECT_EQ(toView.exitCode, 0) << toView.err;
    EXPECT_EQ(toView.out, ";ECHO   once\r\n" + kCountLine);

    TempDir folder;
    const CliRun toFolder = RunCli(
        base, "-q --kit sdk file \"" + Path("a.h") + "\" --to \"" + folder.path().string() + "\"");
    EXPECT_EQ(toFolder.exitCode, 0) << toFolder.err;
    EXPECT_EQ(toFolder.out, "");
    EXPECT_THAT(ReadBytes(folder / "a.sdk"), HasSubstr("PROTO"));
    EXPECT_FALSE(fs::exists(base / "sdk/a.sdk"));
}

TEST_F(CommandsTest, LearningReportsEachNameOnceFromItsFirstHeader) {
    WriteBytes(base / "journal.txt",
               "C:\\sdk\\include\\winuser.h\n"
               "RECT 120\nWNDPROC 7\nHDC  \t9\nRECT 300\nMISSING 4\nLPARAM 8\n"
               "WPARAM\t5\nWPARAM\nWPARAM inconnu\n, 3\n");
    WriteBytes(base / "sdkliste.txt",
               "C:\\sdk\\include\\winuser.h\n"
               "DWORD\n\tHDC,RECTL,WPARAM\n"
               "STRUCTURE\n\tRECT,HDC\n"
               "Callback\n\tWNDPROC\n"
               "A_SECTION_WORD_TOO_LONG\n\tLPARAM\n"
               "/usr/include/other.h\n"
               "STRUCTURE\n\tWNDPROC\n");
    const CliRun run = RunCli(base, "learn --from sdk");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "LearnSt.txt"),
              "RECT = RECT ; winuser.h\r\n"
              "HDC = DWORD ; winuser.h  ********  = HDC\r\n");
    EXPECT_EQ(ReadBytes(base / "learn.txt"),
              "WNDPROC = Callback ; winuser.h\r\nLPARAM = Callback ; winuser.h\r\n");
    EXPECT_THAT(run.err, HasSubstr("Recherche\nFini: Structures,learnst.txt autre,learn.txt\n"));
    EXPECT_EQ(RunCli(base, "-q learn").exitCode, 1);  // no liste.txt
}

TEST_F(CommandsTest, TheOleviewCommandWritesTheReorderedCopy) {
    const CliRun missing = RunCli(base, "-q --kit sdk oleview");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.err, HasSubstr("SetTestFichier: " + Path("Oleview.txt")));

    WriteBytes(base / "Oleview.txt", "library L\r\n{\r\n};\r\n");
    RunCli(base, "-q --kit sdk oleview");
    EXPECT_TRUE(fs::exists(base / "Oleview_Ordonne.txt"));
    EXPECT_TRUE(fs::exists(base / "liste.txt"));
}

TEST_F(CommandsTest, BatchesThatCannotRunSaySoAndWriteNothing) {
    HeaderList(Path("c.h") + "\r\n");
    fs::create_directory(base / "journal.txt");  // journal.txt cannot be created
    const CliRun blocked = RunCli(base, "-q --kit sdk all --list");
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_THAT(blocked.err, HasSubstr("journal.txt: "));
    EXPECT_FALSE(fs::exists(base / "sdk/c.sdk"));
    fs::remove(base / "journal.txt");

    HeaderList("\r\n");
    const CliRun empty = RunCli(base, "-q --kit sdk all");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_THAT(empty.err, HasSubstr("the header list names no header"));
    EXPECT_FALSE(fs::exists(base / "journal.txt"));
}

// The profile without a menu entry reads its files in the current directory, and writes into
// an output folder there that its first batch makes.
TEST_F(CommandsTest, TheDarkGdkBatchMakesItsOutputFolder) {
    fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "directx.txt", base / "directx.txt");
    WriteBytes(base / "DarkGdkHeader.txt", Path("c.h") + "\r\n");
    TempDir elsewhere;
    const CliRun run = RunShell("cd \"" + Path("") + "\" && \"" + ONDAVEL_CLI + "\" -q --base \"" +
                                    elsewhere.path().string() + "\" --kit darkgdk all",
                                base);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "darkgdk/c.sdk"), ";ECHO   once\r\n" + kCountLine);
    EXPECT_TRUE(fs::exists(base / "darkgdk/ondavel.inc"));
}

// A 64-bit run writes beside the 32-bit one: its outputs into a folder of their own, with a
// support include of its own target, and its list and what is learned from it into files of
// their own. The two runs of one workspace do not overwrite each other's.
TEST_F(CommandsTest, A64BitRunWritesIntoFilesOfItsOwn) {
    HeaderList(Path("a.h") + "\r\n" + Path("c.h") + "\r\n");
    ASSERT_EQ(RunCli(base, "-q --kit sdk all --list").exitCode, 0);
    // The overlay is part of a 64-bit kit: without it the batch does not run.
    EXPECT_NE(RunCli(base, "-q --kit sdk --target win64 all").exitCode, 0);
    fs::copy_file(fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "egales64.txt", base / "egales64.txt");
    const CliRun run = RunCli(base, "-q --kit sdk --target win64 all --list");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "sdk64/c.sdk"), ReadBytes(base / "sdk/c.sdk"));
    const std::string wide = ReadBytes(base / "sdk64/ondavel.inc");
    const std::string narrow = ReadBytes(base / "sdk/ondavel.inc");
    EXPECT_THAT(wide, HasSubstr("_WIN64\tequ\t1\r\n"));
    EXPECT_THAT(wide, HasSubstr("comethod2Proto\tTYPEDEF PROTO :QWORD,:QWORD\r\n"));
    EXPECT_THAT(wide, Not(HasSubstr("_X86_")));
    EXPECT_THAT(narrow, Not(HasSubstr("_WIN64")));
    EXPECT_THAT(narrow, HasSubstr("comethod2Proto\tTYPEDEF PROTO :DWORD,:DWORD\r\n"));
    EXPECT_THAT(ReadBytes(base / "liste.txt"), HasSubstr("DWORD\r\n\tMYTYPE,HFOO\r\n"));
    EXPECT_THAT(ReadBytes(base / "liste64.txt"), HasSubstr("QWORD\r\n\tHFOO\r\n"));
    WriteBytes(base / "journal.txt", "/x/b.h\nHFOO 3\nMYTYPE 4\n");
    ASSERT_EQ(RunCli(base, "-q --target win64 learn").exitCode, 0);
    EXPECT_EQ(ReadBytes(base / "learn64.txt"), "HFOO = QWORD ; a.h\r\nMYTYPE = DWORD ; a.h\r\n");
    EXPECT_TRUE(fs::exists(base / "LearnSt64.txt"));
    EXPECT_FALSE(fs::exists(base / "learn.txt"));
    EXPECT_NE(RunCli(base, "-q --kit sdk --target win16 all").exitCode, 0);
}

TEST_F(CommandsTest, AReadOnlyBaseDirectoryIsAnError) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    HeaderList(Path("c.h") + "\r\n");
    TempDir outputs;
    ::chmod(base.path().c_str(), 0555);
    const CliRun run = RunCli(base.path().string(), outputs, "-q --kit sdk all --list");
    ::chmod(base.path().c_str(), 0755);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("CreateFile: " + Path("liste.txt")));
    EXPECT_FALSE(fs::exists(base / "sdk"));
    EXPECT_EQ(std::distance(fs::directory_iterator(outputs.path()), fs::directory_iterator()), 2);
}

TEST_F(CommandsTest, AKnowledgeFileWithoutSectionsIsJournalledOnce) {
    WriteBytes(base / "egales.txt", "#define = define = 5\r\n#pragma = pragma = 10\r\n");
    WriteBytes(base / "d.h", "#define X 1\r\n");
    HeaderList(Path("c.h") + "\r\n" + Path("d.h") + "\r\n");
    const CliRun run = RunCli(base, "-q --kit sdk all");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(base / "journal.txt"),
              Path("c.h") +
                  "\r\nFichier de connaissances incomplet, section absente : TRADUIRE\r\n" +
                  Path("d.h") + "\r\n");
    EXPECT_EQ(ReadBytes(base / "sdk/d.sdk"), kCountLine);
}

}  // namespace
}  // namespace ondavel::testing
