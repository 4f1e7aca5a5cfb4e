#include "run/conditions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

TEST(ConditionsTest, TheBoxesOfTheTool) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // nullopt: there is no such file
        const char* name;
        std::string caption;
        std::string text;
    };
    TempDir dir;
    const std::string path = dir / "file.inc";
    const std::string longCondition = "IF " + std::string(1036, 'c');
    // More open conditions than the 70 entries the list once held.
    std::string opens, listed;
    for (int n = 1; n <= 71; ++n) {
        opens += "IF L" + std::to_string(n) + "\r\n";
        listed += "IF L" + std::to_string(n) + " " + std::to_string(n) + "\r\n";
    }
    const Case cases[] = {
        {"open IF lines, outermost first",
         "; IF Z\r\n\r\nIFDEF A\r\n\r\nIF B\r\nX2 equ 1\r\n"
         "ENDIF\r\n#  ifndef C\r\nX\tequ 1\r\n",
         "X", "conditions trouv\xE9s", "IFDEF A 3\r\nifndef C 8\r\n"},
        {"before any IF", "X PROTO :DWORD\r\nIF A\r\n", "X", "X", "Aucune condition"},
        {"a call form", "IFNDEF B\r\nifdef A\r\nEndif\r\nF(x)\r\n", "F", "conditions trouv\xE9s",
         "IFNDEF B 1\r\n"},
        {"the last line without CR LF is not read", "IF A\r\nX equ 1", "X", "X",
         "Echec,la r\xE9"
         "f\xE9rence n'a pas \xE9t\xE9 trouv\xE9"},
        {"an over-long condition keeps its number", longCondition + "\r\nX\r\n", "X",
         "conditions trouv\xE9s", longCondition.substr(0, 1038) + " 1\r\n"},
        {"seventy-one open conditions", opens + "X equ 1\r\n", "X", "conditions trouv\xE9s",
         listed},
        {"a missing file is named", std::nullopt, "X", "fichier non trouv\xE9", path},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path);
        if (c.file) WriteBytes(path, *c.file);
        RecordingHost host;
        const ConditionSearch search = FindConditions(host, c.name, path);
        ShowConditions(host, c.name, path, search);
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].caption, c.caption) << c.what;
        EXPECT_EQ(host.messages[0].text, c.text) << c.what;
    }
}

}  // namespace
}  // namespace ondavel::testing
