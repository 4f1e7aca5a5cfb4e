#include "knowledge/knowledge.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "knowledge_fixture.h"

namespace ondavel {
namespace {

using testing::CrLfLines;
using testing::RichKnowledgeFile;

constexpr std::string_view kUntouched = "untouched";

struct LookupCase {
    std::string word;
    LookupKind kind;
    uint32_t result;
    std::optional<std::string> output;  // nullopt: the output buffer is left as it was
};

std::string Show(const LookupCase& c) {
    return "word \"" + c.word + "\" kind " + std::to_string(static_cast<uint32_t>(c.kind));
}

class KnowledgeLookupTest : public testing::KnowledgeFixture {};

TEST_F(KnowledgeLookupTest, AnswersEveryRuleOfTheFileFormat) {
    Load(RichKnowledgeFile());
    const std::vector<LookupCase> cases = {
        // Keyword codes: case ignored, code after the second '=', first entry wins.
        {"#DEFINE", LOOKUP_CODE, 5, {}},
        {"#define", LOOKUP_CODE, 5, {}},
        {"#if", LOOKUP_CODE, 1, {}},
        {"#pragma", LOOKUP_CODE, 0, {}},
        {"#endif", LOOKUP_CODE, 2, {}},
        {"DUP", LOOKUP_CODE, 7, {}},
        {"dup", LOOKUP_CODE, 7, {}},
        {"NOCODE", LOOKUP_CODE, 0, {}},
        {"TABCODE", LOOKUP_CODE, 42, {}},
        {"HWND", LOOKUP_CODE, 0, {}},  // a comment line in the code section
        {"#def", LOOKUP_CODE, 0, {}},
        {"#defineX", LOOKUP_CODE, 0, {}},
        {"traduire", LOOKUP_CODE, 9, {}},  // the section line ends the code range
        {"sizeof", LOOKUP_CODE, 0, {}},
        {"", LOOKUP_CODE, 0, {}},
        // Replacements: exact case, value followed by one blank.
        {"sizeof", LOOKUP_TRADUIRE, 1, "strsize "},
        {"SIZEOF", LOOKUP_TRADUIRE, 0, {}},
        {"empty", LOOKUP_TRADUIRE, 1, " "},
        {"TRADUIRE", LOOKUP_TRADUIRE, 1, "x "},
        {"TYPEDEFINI", LOOKUP_TRADUIRE, 0, {}},  // found, but without '='
        {"HWND", LOOKUP_TRADUIRE, 0, {}},
        // Types: exact case, a value is one token.
        {"HWND", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"hwnd", LOOKUP_TYPEDEFINI, 0, {}},
        {"HWN", LOOKUP_TYPEDEFINI, 0, {}},
        {"HWNDX", LOOKUP_TYPEDEFINI, 0, {}},
        {"WORD", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"LPSTR", LOOKUP_TYPEDEFINI, 1, "PTR"},
        {"PFN", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"NOTEQ", LOOKUP_TYPEDEFINI, 0, {}},
        {"KEYSEMI", LOOKUP_TYPEDEFINI, 1, "SDWORD"},
        {"COMMONRECORD", LOOKUP_TYPEDEFINI, 1, "early"},  // a section name before its turn
        {"CRKEY", LOOKUP_TYPEDEFINI, 1, "a"},             // a line ends at a lone CR
        {"INDENT", LOOKUP_TYPEDEFINI, 1, "SWORD"},
        {"Mixed", LOOKUP_TYPEDEFINI, 1, "Byte"},
        {"LONGKEY", LOOKUP_TYPEDEFINI, 1, "short"},  // the over-long line is passed over
        {"K1039", LOOKUP_TYPEDEFINI, 1, std::string(1031, 'x')},
        {"POINT", LOOKUP_TYPEDEFINI, 0, {}},
        {"HWND =", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {std::string("HWND\rjunk"), LOOKUP_TYPEDEFINI, 1, "DWORD"},  // the word ends at CR
        {std::string("HWND\0junk", 9), LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"NOTEQ DWORD", LOOKUP_TYPEDEFINI, 0, {}},
        {"", LOOKUP_TYPEDEFINI, 0, {}},
        {std::string(1040, 'x'), LOOKUP_TYPEDEFINI, 0, {}},
        // Known type: nothing is copied.
        {"HWND", LOOKUP_IS_TYPEDEFINI, 1, {}},
        {"NOTEQ", LOOKUP_IS_TYPEDEFINI, 1, {}},
        {"hwnd", LOOKUP_IS_TYPEDEFINI, 0, {}},
        {"TYPEDEFINI", LOOKUP_IS_TYPEDEFINI, 1, {}},
        {"COMMONSTRUCTURE", LOOKUP_IS_TYPEDEFINI, 1, {}},
        {"POINT", LOOKUP_IS_TYPEDEFINI, 0, {}},
        // Structures: exact case, not found when nothing follows the '='.
        {"POINT", LOOKUP_COMMONSTRUCTURE, 1, "tagPOINT"},
        {"point", LOOKUP_COMMONSTRUCTURE, 0, {}},
        {"NOVALUE", LOOKUP_COMMONSTRUCTURE, 0, {}},
        {"NOEQUAL", LOOKUP_COMMONSTRUCTURE, 0, {}},
        {"TABVAL", LOOKUP_COMMONSTRUCTURE, 1, "RECT"},
        {"HWND", LOOKUP_COMMONSTRUCTURE, 0, {}},
        // The case-insensitive sections.
        {"recflags", LOOKUP_COMMONRECORD, 1, "RECFLAGS"},
        {"INCOMPATIBLE", LOOKUP_COMMONRECORD, 1, "boundary"},
        {"POINT", LOOKUP_COMMONRECORD, 0, {}},
        {"TYPE", LOOKUP_INCOMPATIBLE, 1, "_type"},
        {"incompatible", LOOKUP_INCOMPATIBLE, 1, "boundary"},
        {"dup", LOOKUP_INCOMPATIBLE, 1, "a"},
        {"\xE9T\xE9", LOOKUP_INCOMPATIBLE, 1, "lower"},  // only a-z fold
        {"\xC9t\xC9", LOOKUP_INCOMPATIBLE, 1, "upper"},
        {"\xC9T\xE9", LOOKUP_INCOMPATIBLE, 0, {}},
        {"GetObject", LOOKUP_INCOMPATIBLE, 0, {}},
        {"null", LOOKUP_INCOMPATIBLE_EQUATE, 1, "_NULL"},
        {"type", LOOKUP_INCOMPATIBLE_EQUATE, 0, {}},
        {"getobject", LOOKUP_API_CONFLIT, 1, "GetObject_"},
        {"FINDELISTE", LOOKUP_API_CONFLIT, 0, {}},
        {"AFTER", LOOKUP_API_CONFLIT, 0, {}},  // after FINDELISTE
        // No such kind.
        {"HWND", static_cast<LookupKind>(0), 0, {}},
        {"HWND", static_cast<LookupKind>(10), 0, {}},
    };
    for (const LookupCase& c : cases) {
        std::string output(kUntouched);
        EXPECT_EQ(LookupKnowledge(session, c.word, c.kind, &output), c.result) << Show(c);
        EXPECT_EQ(output, c.output.value_or(std::string(kUntouched))) << Show(c);
    }
    EXPECT_EQ(Journal(), "");
}

TEST_F(KnowledgeLookupTest, ReplacesTheWordInPlace) {
    Load(RichKnowledgeFile());
    const std::vector<LookupCase> cases = {
        {"HWND", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"HWND =", LOOKUP_TYPEDEFINI, 1, "DWORD"},
        {"sizeof", LOOKUP_TRADUIRE, 1, "strsize "},
        {"type", LOOKUP_INCOMPATIBLE, 1, "_type"},
        {"NOVALUE", LOOKUP_COMMONSTRUCTURE, 0, "NOVALUE"},
    };
    for (const LookupCase& c : cases) {
        std::string buffer = c.word;
        EXPECT_EQ(LookupKnowledge(session, buffer, c.kind, &buffer), c.result) << Show(c);
        EXPECT_EQ(buffer, *c.output) << Show(c);
    }
}

TEST_F(KnowledgeLookupTest, TakesANullOutput) {
    Load(RichKnowledgeFile());
    EXPECT_EQ(LookupKnowledge(session, "#define", LOOKUP_CODE, nullptr), 5u);
    EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_IS_TYPEDEFINI, nullptr), 1u);
    EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, nullptr), 1u);
}

TEST_F(KnowledgeLookupTest, ConsumesThePendingAggregateMacroFirst) {
    Load(RichKnowledgeFile());
    KnowledgeFile& file = session.run.knowledge;
    for (uint32_t kind = LOOKUP_CODE; kind <= LOOKUP_API_CONFLIT; ++kind) {
        file.pendingAggregateMacro = "MYSTRUCT";
        file.aggregateMacroKind = 2;
        std::string output(kUntouched);
        EXPECT_EQ(LookupKnowledge(session, "MYSTRUCT_FLAGS", LookupKind(kind), &output),
                  CODE_TYPEDEF)
            << kind;
        EXPECT_EQ(output, kUntouched) << kind;
        EXPECT_EQ(file.pendingAggregateMacro, "") << kind;
        EXPECT_EQ(file.aggregateMacroKind, 2) << kind;
        // Consumed: the same word is now looked up as any other.
        EXPECT_EQ(LookupKnowledge(session, "MYSTRUCT_FLAGS", LookupKind(kind), &output), 0u);
    }
}

TEST_F(KnowledgeLookupTest, KeepsThePendingMacroForWordsWithoutIt) {
    Load(RichKnowledgeFile());
    KnowledgeFile& file = session.run.knowledge;
    file.pendingAggregateMacro = "HWND";
    std::string output;
    // The name is compared with its case: "hwnd" is looked up normally.
    EXPECT_EQ(LookupKnowledge(session, "hwnd", LOOKUP_TYPEDEFINI, &output), 0u);
    EXPECT_EQ(LookupKnowledge(session, "#define", LOOKUP_CODE, &output), 5u);
    EXPECT_EQ(file.pendingAggregateMacro, "HWND");
    // A word that holds the name anywhere consumes it, even one the file knows.
    EXPECT_EQ(LookupKnowledge(session, "LPHWND", LOOKUP_CODE, &output), CODE_TYPEDEF);
    EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 1u);
    EXPECT_EQ(output, "DWORD");
}

TEST_F(KnowledgeLookupTest, KeepsThePendingMacroAfterTheFileIsReleased) {
    Load(RichKnowledgeFile());
    session.run.knowledge.pendingAggregateMacro = "E";
    ReleaseKnowledgeFile(session);
    EXPECT_EQ(session.run.knowledge.pendingAggregateMacro, "E");
    EXPECT_EQ(LookupKnowledge(session, "ENUM_X", LOOKUP_INCOMPATIBLE, nullptr), CODE_TYPEDEF);
    EXPECT_EQ(session.run.knowledge.pendingAggregateMacro, "");
}

TEST_F(KnowledgeLookupTest, FindsNothingWithoutAFile) {
    for (uint32_t kind = LOOKUP_CODE; kind <= LOOKUP_API_CONFLIT; ++kind) {
        std::string output(kUntouched);
        EXPECT_EQ(LookupKnowledge(session, "HWND", LookupKind(kind), &output), 0u) << kind;
        EXPECT_EQ(output, kUntouched) << kind;
    }
    ReleaseKnowledgeFile(session);
    EXPECT_EQ(LookupKnowledge(session, "#define", LOOKUP_CODE, nullptr), 0u);
    EXPECT_EQ(Journal(), "");
}

TEST_F(KnowledgeLookupTest, ScansAReloadedFileAfresh) {
    const auto file = [](std::string_view type) {
        return CrLfLines({"TRADUIRE", "TYPEDEFINI", std::string("HWND = ") + std::string(type),
                          "COMMONSTRUCTURE", "COMMONRECORD", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE",
                          "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"});
    };
    std::string output;
    Load(file("DWORD"), "_a");
    ASSERT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 1u);
    EXPECT_EQ(output, "DWORD");
    ReleaseKnowledgeFile(session);
    EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 0u);

    // Two comment lines move every section line down.
    Load(CrLfLines({"; moved", "; down"}) + file("QWORD"), "_b");
    ASSERT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 1u);
    EXPECT_EQ(output, "QWORD");
    EXPECT_EQ(session.run.knowledge.sectionLines[0], 3u);

    // Loading over a loaded file releases it first.
    Load(file("SDWORD"), "_c");
    ASSERT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 1u);
    EXPECT_EQ(output, "SDWORD");
    EXPECT_EQ(session.run.knowledge.sectionLines[0], 1u);
}

TEST_F(KnowledgeLookupTest, RefusesAFileItCannotLoad) {
    EXPECT_EQ(LoadKnowledgeFile(session, "/nonexistent/ondavel/egales.txt"), 0);
    EXPECT_EQ(LoadKnowledgeFile(session, testing::WriteTestFile("\r\n")), 0);
    EXPECT_EQ(LookupKnowledge(session, "#define", LOOKUP_CODE, nullptr), 0u);
    EXPECT_EQ(Journal(), "");
    // Both refusals were said: the missing file and the empty one.
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].caption, "SetTestFichier");
    EXPECT_EQ(host.messages[1].text, "the knowledge file holds no line");
}

struct IncompleteCase {
    std::vector<std::string_view> lines;
    std::string_view missing;
};

TEST_F(KnowledgeLookupTest, JournalsTheFirstMissingSectionOnce) {
    const std::vector<IncompleteCase> cases = {
        {{"#define = d = 5", "HWND = DWORD"}, "TRADUIRE"},
        {{"#define = d = 5", "TRADUIRE", "TYPEDEFINI", "HWND = DWORD", "COMMONSTRUCTURE",
          "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"},
         "COMMONRECORD"},
        // Out of order: TYPEDEFINI before TRADUIRE is an entry of the code section.
        {{"#define = d = 5", "TYPEDEFINI", "TRADUIRE", "HWND = DWORD", "COMMONSTRUCTURE",
          "COMMONRECORD", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM",
          "FINDELISTE"},
         "TYPEDEFINI"},
        {{"#define = d = 5", "TRADUIRE", "TYPEDEFINI", "HWND = DWORD", "COMMONSTRUCTURE",
          "COMMONRECORD", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM",
          "; FINDELISTE"},
         "FINDELISTE"},
    };
    std::string expected;
    for (size_t i = 0; i < cases.size(); ++i) {
        std::string text;
        for (std::string_view line : cases[i].lines) text.append(line).append("\r\n");
        Load(text, "_" + std::to_string(i));
        std::string output(kUntouched);
        EXPECT_EQ(LookupKnowledge(session, "#define", LOOKUP_CODE, &output), 0u) << i;
        EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_TYPEDEFINI, &output), 0u) << i;
        EXPECT_EQ(LookupKnowledge(session, "HWND", LOOKUP_IS_TYPEDEFINI, &output), 0u) << i;
        EXPECT_EQ(output, kUntouched) << i;
        expected.append("Fichier de connaissances incomplet, section absente : ")
            .append(cases[i].missing)
            .append("\r\n");
        EXPECT_EQ(Journal(), expected) << i;
    }
}

}  // namespace
}  // namespace ondavel
