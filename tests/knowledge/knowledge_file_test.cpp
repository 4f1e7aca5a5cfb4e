#include "knowledge/knowledge_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_index.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {
namespace {

struct SectionCase {
    std::string_view name;
    std::vector<std::string_view> lines;
    int found;  // sections found in order
    std::array<uint32_t, kSectionCount> sectionLines;
};

// The eight section lines after `before`, one per line, then `after`.
std::vector<std::string_view> AllSections(std::vector<std::string_view> before = {}) {
    before.insert(before.end(), kSectionNames.begin(), kSectionNames.end());
    return before;
}

TEST(KnowledgeSections, AreFoundInTheirOrder) {
    const std::vector<SectionCase> cases = {
        {"plain", AllSections(), 8, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"after entries and comments",
         AllSections({"; codes", "", "#define = d = 5", "   ", "\t; TRADUIRE"}),
         8,
         {6, 7, 8, 9, 10, 11, 12, 13}},
        {"indented, with text after the name, case-sensitive",
         {"traduire", "  TRADUIRE ; replacements", "TYPEDEFINI=", "\tCOMMONSTRUCTURE x",
          "COMMONRECORD", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM",
          "FINDELISTE and the rest"},
         8,
         {2, 3, 4, 5, 6, 7, 8, 9}},
        {"a name before its turn is an entry",
         {"TYPEDEFINI", "FINDELISTE", "TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE", "COMMONRECORD",
          "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"},
         8,
         {3, 4, 5, 6, 7, 8, 9, 10}},
        {"a key that begins with the next name ends the section",
         {"TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE", "COMMONRECORDS = x", "COMMONRECORD",
          "INCOMPATIBLE_EQUATE = y", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM",
          "FINDELISTE"},
         8,
         {1, 2, 3, 4, 6, 7, 8, 9}},
        {"the search stops at FINDELISTE",
         {"TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE", "COMMONRECORD", "INCOMPATIBLE",
          "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM", "FINDELISTE", "FINDELISTE"},
         8,
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {"missing COMMONRECORD",
         {"TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE",
          "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"},
         3,
         {1, 2, 3, 0, 0, 0, 0, 0}},
        {"no section at all", {"#define = d = 5", "HWND = DWORD"}, 0, {}},
    };
    for (const SectionCase& c : cases) {
        KnowledgeFile file;
        for (std::string_view line : c.lines) file.index.text.append(line).append("\r\n");
        file.index.command = LineCommand::Build;
        ASSERT_EQ(LineIndexCommand(file.index), 1) << c.name;
        EXPECT_EQ(FindSectionLines(file), c.found) << c.name;
        EXPECT_EQ(file.sectionLines, c.sectionLines) << c.name;
    }
}

}  // namespace
}  // namespace ondavel
