#include "run/conditions.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

std::string OpenIfs(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "IF L" + std::to_string(i) + "\r\n";
    return text;
}

TEST(ConditionsTest, TheBoxesOfTheTool) {
    struct Case {
        const char* what;
        std::string file;
        const char* name;
        std::string caption;
        std::string text;
    };
    const std::string longCondition = "IF " + std::string(1036, 'c');
    const Case cases[] = {
        {"open IF lines, outermost first",
         "; IF Z\r\n\r\nIFDEF A\r\n\r\nIF B\r\nX2 equ 1\r\n"
         "ENDIF\r\n#  ifndef C\r\nX\tequ 1\r\n",
         "X", "conditions trouv\xE9s", "IFDEF A 3\r\nifndef C 8\r\n"},
        {"only inside a longer word", "IF A\r\nXY equ 1\r\nENDIF\r\n", "X", "X",
         "Echec,la r\xE9"
         "f\xE9rence n'a pas \xE9t\xE9 trouv\xE9"},
        {"before any IF", "X PROTO :DWORD\r\nIF A\r\n", "X", "X", "Aucune condition"},
        {"a call form", "IFNDEF B\r\nifdef A\r\nEndif\r\nF(x)\r\n", "F", "conditions trouv\xE9s",
         "IFNDEF B 1\r\n"},
        {"the last line without CR LF is not read", "IF A\r\nX equ 1", "X", "X",
         "Echec,la r\xE9"
         "f\xE9rence n'a pas \xE9t\xE9 trouv\xE9"},
        {"an over-long condition keeps its number", longCondition + "\r\nX\r\n", "X",
         "conditions trouv\xE9s", longCondition.substr(0, 1038) + " 1\r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "file.inc", c.file);
        RecordingHost host;
        const ConditionSearch search = FindConditions(host, c.name, dir / "file.inc");
        ShowConditions(host, c.name, dir / "file.inc", search);
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].caption, c.caption) << c.what;
        EXPECT_EQ(host.messages[0].text, c.text) << c.what;
    }
}

TEST(ConditionsTest, SeventyOneOpenConditionsAreAllListed) {
    TempDir dir;
    WriteBytes(dir / "file.inc", OpenIfs(71) + "X equ 1\r\n");
    RecordingHost host;
    const ConditionSearch search = FindConditions(host, "X", dir / "file.inc");
    EXPECT_EQ(search.result, ConditionsResult::Found);
    ASSERT_EQ(search.conditions.size(), 71u);
    EXPECT_EQ(search.conditions.back(), "IF L71 71");
    EXPECT_TRUE(host.messages.empty());
}

TEST(ConditionsTest, AMissingFileIsNamedInTheBox) {
    TempDir dir;
    RecordingHost host;
    const ConditionSearch search = FindConditions(host, "X", dir / "none.inc");
    ShowConditions(host, "X", dir / "none.inc", search);
    EXPECT_EQ(search.result, ConditionsResult::NoFile);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption + "|" + host.messages[0].text,
              "fichier non trouv\xE9|" + dir / "none.inc");
}

}  // namespace
}  // namespace ondavel::testing
