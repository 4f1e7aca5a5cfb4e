// Growing a knowledge file with what a learning pass and a "+ list" batch found.
#include "learning/knowledge_merge.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace ondavel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

// A knowledge file in three parts: new types go after the first, new structures after the second.
const std::string kTypes =
    "; keyword codes\r\n"
    "typedef = type definition = 15\r\n"
    "TRADUIRE\r\n"
    "TYPEDEFINI\r\n"
    "; base types\r\n"
    "HWND = DWORD\r\n";
const std::string kStructures = "\r\n; trailing comment of the section\r\nCOMMONSTRUCTURE\r\n";
const std::string kRest =
    "COMMONRECORD\r\nINCOMPATIBLE\r\nINCOMPATIBLE_EQUATE\r\nINTERFACE_API_CONFLIT_NOM\r\n"
    "FINDELISTE\r\n";
const std::string kKnowledge = kTypes + kStructures + kRest;

// Merged twice, the second merge finds every entry known, in either section.
TEST(KnowledgeMergeTest, EachKindGoesToItsSectionAfterItsLastEntryOnce) {
    TempDir dir;
    WriteBytes(dir / "egales.txt", kKnowledge);
    WriteBytes(dir / "learn.txt",
               "RECT = RECT ; windef.h\r\n"                   // LearnSt.txt: a structure
               "WNDPROC = Callback ; winuser.h\r\n"           // learn.txt: a callback is a pointer
               "LPRECT = DWORD ; windef.h\r\n"                // a size class
               "HWND = SDWORD ; other.h\r\n"                  // known: the file's entry stays
               "LPRECT = WORD ; later.h\r\n"                  // the first learned line wins
               "CreateWindowExA = Fonctions ; winuser.h\r\n"  // no type
               "A2 = A ; a.h\r\n");                           // an alias of structure A
    std::string report;
    ASSERT_TRUE(MergeKnowledgeFiles(dir / "egales.txt", {dir / "learn.txt"}, report)) << report;
    const std::string merged = kTypes +
                               "; learned from learn.txt\r\n"
                               "WNDPROC = DWORD ; Callback winuser.h\r\n"
                               "LPRECT = DWORD ; windef.h\r\n" +
                               kStructures +
                               "; learned from learn.txt\r\n"
                               "RECT = RECT ; windef.h\r\n"
                               "A2 = A ; a.h\r\n" +
                               kRest;
    EXPECT_EQ(ReadBytes(dir / "egales.txt"), merged);
    EXPECT_THAT(report, HasSubstr("TYPEDEFINI: 2 added\n  WNDPROC = DWORD ; Callback winuser.h\n"));
    EXPECT_THAT(report, HasSubstr("already known: 2, not types (functions, GUIDs, macros): 1\n"));
    ASSERT_TRUE(MergeKnowledgeFiles(dir / "egales.txt", {dir / "learn.txt"}, report));
    EXPECT_EQ(ReadBytes(dir / "egales.txt"), merged);
    EXPECT_THAT(report,
                HasSubstr("TYPEDEFINI: 0 added\nCOMMONSTRUCTURE: 0 added\nalready known: 6"));
}

TEST(KnowledgeMergeTest, ANameListGivesSizeClassesAndStructuresUnderTheirAggregate) {
    const std::string list =
        "/inc/a.h\r\n"
        "SWORD\r\n"
        "\tSHORTY\r\n"
        "DWORD\r\n"
        "\tPPOINT,COLOR,\r\n"
        "\tPCOLOR\r\n"
        "STRUCTURE\r\n"
        "\tPOINT,A,A2\r\n"
        "Fonctions\r\n"
        "\tDoIt\r\n"
        "A\r\n"
        "\tA2\r\n"
        "/inc/b.h\r\n"
        "STRUCTURE\r\n"
        "\tA2\r\n";
    size_t notTypes = 0;
    std::vector<std::string> lines;
    for (const LearnedEntry& entry : ReadLearnedEntries(list, "DWORD", notTypes)) {
        lines.push_back(
            std::string(entry.section == LearnedSection::CommonStructure ? "S " : "T ") +
            entry.line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"T SHORTY = SWORD ; a.h", "T PPOINT = DWORD ; a.h",
                                               "T COLOR = DWORD ; a.h", "T PCOLOR = DWORD ; a.h",
                                               "S POINT = POINT ; a.h", "S A = A ; a.h",
                                               "S A2 = A ; a.h", "S A2 = A2 ; b.h"}));
    EXPECT_EQ(notTypes, 1u);
}

// A 64-bit run's files go to the overlay beside the knowledge file, with only the names whose
// size differs there: a pointer-sized name, a callback, a name only 64-bit Windows has.
TEST(KnowledgeMergeTest, What64BitRunsLearnedGoesToTheOverlayWhereItDiffers) {
    TempDir dir;
    WriteBytes(dir / "egales.txt", kKnowledge);
    const std::string overlay =
        "TRADUIRE\r\nTYPEDEFINI\r\nHANDLE = QWORD\r\nCOMMONSTRUCTURE\r\n"
        "COMMONRECORD\r\nINCOMPATIBLE\r\nFINDELISTE\r\n";
    WriteBytes(dir / "egales64.txt", overlay);
    WriteBytes(dir / "learn.txt", "LPRECT = DWORD ; windef.h\r\nLONG = DWORD ; winnt.h\r\n");
    WriteBytes(dir / "learn64.txt",
               "LPRECT = QWORD ; windef.h\r\n"       // a pointer: QWORD only on 64-bit
               "LONG = DWORD ; winnt.h\r\n"          // the same on both
               "HWND = QWORD ; windef.h\r\n"         // 32-bit knowledge says DWORD
               "HANDLE = QWORD ; winnt.h\r\n"        // the overlay knows it already
               "WNDPROC = Callback ; winuser.h\r\n"  // reached through a 64-bit pointer
               "UNWIND = UNWIND ; winnt.h\r\n");     // a structure only 64-bit declares
    WriteBytes(dir / "LearnSt64.txt", "RECT = RECT ; windef.h\r\n");
    WriteBytes(dir / "LearnSt.txt", "RECT = RECT ; windef.h\r\n");
    std::string report;
    ASSERT_TRUE(MergeKnowledgeFiles(
        dir / "egales.txt",
        {dir / "learn.txt", dir / "LearnSt.txt", dir / "learn64.txt", dir / "LearnSt64.txt"},
        report))
        << report;
    EXPECT_EQ(ReadBytes(dir / "egales64.txt"),
              "TRADUIRE\r\nTYPEDEFINI\r\nHANDLE = QWORD\r\n"
              "; learned from learn64.txt, LearnSt64.txt\r\n"
              "LPRECT = QWORD ; windef.h\r\n"
              "HWND = QWORD ; windef.h\r\n"
              "WNDPROC = QWORD ; Callback winuser.h\r\n"
              "COMMONSTRUCTURE\r\n"
              "; learned from learn64.txt, LearnSt64.txt\r\n"
              "UNWIND = UNWIND ; winnt.h\r\n"
              "COMMONRECORD\r\nINCOMPATIBLE\r\nFINDELISTE\r\n");
    const std::string knowledge = ReadBytes(dir / "egales.txt");
    EXPECT_THAT(knowledge, HasSubstr("LPRECT = DWORD ; windef.h\r\nLONG = DWORD ; winnt.h\r\n"));
    EXPECT_THAT(knowledge, Not(HasSubstr("QWORD")));
    EXPECT_THAT(report, HasSubstr("egales64.txt:\nTYPEDEFINI: 3 added\n"));
    // Without the overlay the 64-bit names have nowhere to go: nothing is written.
    fs::remove(dir / "egales64.txt");
    WriteBytes(dir / "egales.txt", kKnowledge);
    EXPECT_FALSE(MergeKnowledgeFiles(dir / "egales.txt", {dir / "learn64.txt"}, report));
    EXPECT_THAT(report, HasSubstr("egales64.txt cannot be read"));
    // Nor into a file without its section lines.
    WriteBytes(dir / "egales.txt", "TYPEDEFINI\r\nHWND = DWORD\r\n");
    EXPECT_FALSE(MergeKnowledgeFiles(dir / "egales.txt", {dir / "learn.txt"}, report));
    EXPECT_THAT(report, HasSubstr("lacks the section lines"));
    EXPECT_EQ(ReadBytes(dir / "egales.txt"), "TYPEDEFINI\r\nHWND = DWORD\r\n");
}

}  // namespace
}  // namespace ondavel
