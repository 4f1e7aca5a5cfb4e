// Lookups in the knowledge file: the documented rules, the section lines and their cache, the
// pending aggregate macro, and the key index held against the plain scan.
#include "knowledge/knowledge.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "knowledge/knowledge_scan.h"
#include "session/knowledge_lookup.h"
#include "session/session.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel {
namespace {

using namespace std::string_view_literals;

std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// An entry for every rule of the lookups, grouped by section; the first test names its lines.
const std::string kRichFile =
    CrLf({"; keyword codes", "#define = define = 5", "#if=if=  1x", "#pragma = pragma",
          "DUP = first = 7", "dup = second = 8", "   ; HWND = comment = 9",
          "TABCODE\t=\ttext\t=\t\t42", ""}) +
    CrLf({"TRADUIRE = x = 9", "sizeof = strsize", "empty ="}) +
    CrLf({"TYPEDEFINI", "HWND = DWORD", "HWND = QWORD", "WORD = DWORD ; 32 bits", "PFN = DWORD(x)",
          "NOTEQ DWORD", "KEYSEMI;note = SDWORD", "COMMONRECORD = early", "CRKEY = a\rb",
          "\tINDENT\t=\tSWORD\t", "LONGKEY = " + std::string(1040, 'x'), "LONGKEY = short",
          "K1039 = " + std::string(1031, 'x')}) +
    CrLf({"COMMONSTRUCTURE", "POINT = tagPOINT", "NOVALUE =", "NOEQUAL", "TABVAL =\t  RECT,x"}) +
    CrLf({"COMMONRECORD", "RecFlags = RECFLAGS"}) +
    CrLf({"INCOMPATIBLE = boundary", "type = _type", "Dup = a", "DUP = b", "\xE9t\xE9 = lower",
          "\xC9T\xC9 = upper"}) +
    CrLf({"INCOMPATIBLE_EQUATE", "NULL = _NULL"}) +
    CrLf({"INTERFACE_API_CONFLIT_NOM", "GetObject = GetObject_", "FINDELISTE", "AFTER = END"});

class KnowledgeTest : public ::testing::Test {
  protected:
    KnowledgeTest() { session.run.journalFile = std::tmpfile(); }

    void Load(const std::string& bytes) {
        testing::WriteBytes(dir / "k.txt", bytes);
        ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge, dir / "k.txt"));
    }
    std::string Journal() {
        std::FILE* journal = session.run.journalFile;
        std::string text(static_cast<size_t>(std::ftell(journal)), '\0');
        std::rewind(journal);
        text.resize(std::fread(text.data(), 1, text.size(), journal));
        std::fseek(journal, 0, SEEK_END);
        return text;
    }
    // The value of a TYPEDEFINI entry, "-" when there is none.
    std::string TypeOf(std::string_view word) {
        std::string value = "-";
        LookupKnowledge(session, word, LookupKind::DefinedType, &value);
        return value;
    }

    testing::RecordingHost host;
    Session session{host};
    testing::TempDir dir;
};

TEST_F(KnowledgeTest, AnswersTheDocumentedRulesOfTheFileFormat) {
    Load(kRichFile);
    // Codes: case ignored, digits after the second '=', the first entry of a key wins.
    const std::pair<std::string, uint32_t> codes[] = {
        {"#DEFINE", 5}, {"#if", 1},      {"#pragma", 0},
        {"dup", 7},     {"TABCODE", 42}, {"HWND", 0} /* a comment line */,
        {"traduire", 9}};
    for (const auto& [word, code] : codes) {
        EXPECT_EQ(LookupKeywordCode(session, word), static_cast<KeywordCode>(code)) << word;
    }
    struct Case {
        std::string word;
        LookupKind kind;
        std::optional<std::string> output;  // nullopt: nothing found, the output left untouched
    };
    const Case cases[] = {
        // Replacements: exact case, the value and one blank.
        {"sizeof", LookupKind::Replacement, "strsize "},
        {"SIZEOF", LookupKind::Replacement, {}},
        {"empty", LookupKind::Replacement, " "},
        {"TRADUIRE", LookupKind::Replacement, "x "},
        // Types: exact case, whole keys only, a value is one token.
        {"HWND", LookupKind::DefinedType, "DWORD"},
        {"hwnd", LookupKind::DefinedType, {}},
        {"HWNDX", LookupKind::DefinedType, {}},
        {"WORD", LookupKind::DefinedType, "DWORD"},
        {"PFN", LookupKind::DefinedType, "DWORD"},
        {"NOTEQ", LookupKind::DefinedType, {}},
        {"KEYSEMI", LookupKind::DefinedType, "SDWORD"},
        {"COMMONRECORD", LookupKind::DefinedType, "early"},  // a section name before its turn
        {"CRKEY", LookupKind::DefinedType, "a"},
        {"INDENT", LookupKind::DefinedType, "SWORD"},
        {"LONGKEY", LookupKind::DefinedType, "short"},  // the over-long line is passed over
        {"K1039", LookupKind::DefinedType, std::string(1031, 'x')},
        {std::string("HWND\0junk", 9), LookupKind::DefinedType, "DWORD"},
        // Structures: exact case, not found when nothing follows the '='.
        {"POINT", LookupKind::CommonStructure, "tagPOINT"},
        {"NOVALUE", LookupKind::CommonStructure, {}},
        {"HWND", LookupKind::CommonStructure, {}},
        // The other sections ignore the case of a-z only.
        {"recflags", LookupKind::CommonRecord, "RECFLAGS"},
        {"incompatible", LookupKind::CommonRecord, "boundary"},
        {"TYPE", LookupKind::Incompatible, "_type"},
        {"dup", LookupKind::Incompatible, "a"},
        {"\xC9T\xE9", LookupKind::Incompatible, {}},
        {"null", LookupKind::IncompatibleEquate, "_NULL"},
        {"getobject", LookupKind::ApiNameConflict, "GetObject_"},
        {"AFTER", LookupKind::ApiNameConflict, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word + " " + std::to_string(static_cast<int>(c.kind)));
        std::string output = "untouched";
        EXPECT_EQ(LookupKnowledge(session, c.word, c.kind, &output), c.output.has_value());
        EXPECT_EQ(output, c.output.value_or("untouched"));
        // The word may be its own output buffer, and the output may be null.
        std::string buffer = c.word;
        EXPECT_EQ(LookupKnowledge(session, buffer, c.kind, &buffer), c.output.has_value());
        EXPECT_EQ(buffer, c.output.value_or(c.word));
        EXPECT_EQ(LookupKnowledge(session, c.word, c.kind, nullptr), c.output.has_value());
    }
    EXPECT_EQ(Journal(), "");
}

// Every kind of value lookup.
constexpr LookupKind kKinds[] = {LookupKind::Replacement,     LookupKind::DefinedType,
                                 LookupKind::CommonStructure, LookupKind::CommonRecord,
                                 LookupKind::Incompatible,    LookupKind::IncompatibleEquate,
                                 LookupKind::ApiNameConflict};

TEST_F(KnowledgeTest, ThePendingAggregateMacroIsConsumedBeforeAnyLookup) {
    Load(kRichFile);
    std::string& pending = session.run.pendingAggregateMacro;
    // The name is compared with its case, and may stand anywhere in the word.
    pending = "HWND";
    EXPECT_EQ(LookupKeywordCode(session, "hwnd"), KeywordCode::None);
    EXPECT_EQ(LookupKeywordCode(session, "LPHWND"), KeywordCode::Typedef);
    EXPECT_EQ(pending, "");
    for (const LookupKind kind : kKinds) {
        pending = "HWND";
        std::string output = "untouched";
        EXPECT_FALSE(LookupKnowledge(session, "hwnd", kind, &output));
        EXPECT_TRUE(LookupKnowledge(session, "LPHWND", kind, &output));
        EXPECT_EQ(output, "untouched");
        EXPECT_EQ(pending, "");
    }
    pending = "HWND";
    EXPECT_EQ(TypeOf("HWND"), "-");
    EXPECT_EQ(TypeOf("HWND"), "DWORD");
    // It waits across files, and is consumed even while no file is loaded.
    pending = "E";
    ReleaseKnowledgeFile(session.run.knowledge);
    EXPECT_TRUE(LookupKnowledge(session, "ENUM_X", LookupKind::Incompatible, nullptr));
    EXPECT_EQ(pending, "");
    EXPECT_EQ(TypeOf("HWND"), "-");  // the released file is gone
}

TEST_F(KnowledgeTest, FindsTheSectionLinesInTheirOrderAndJournalsTheFirstMissingOne) {
    struct Case {
        KeywordCode code;     // of "#define"
        std::string missing;  // the section that the journal reports, if any
        std::array<uint32_t, kSectionCount> at;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {KeywordCode::Define,
         "",
         {6, 7, 8, 9, 10, 11, 12, 13},
         {"; codes", "", "#define = d = 5", "\t; TRADUIRE", "traduire", "  TRADUIRE ; text",
          "TYPEDEFINI=", "\tCOMMONSTRUCTURE x", "COMMONRECORD", "INCOMPATIBLE",
          "INCOMPATIBLE_EQUATE", "INTERFACE_API_CONFLIT_NOM", "FINDELISTE and the rest"}},
        // A name before its turn is an entry; a key that begins with the next name ends a section.
        {KeywordCode::None,
         "",
         {3, 4, 5, 6, 8, 9, 10, 11},
         {"TYPEDEFINI", "FINDELISTE", "TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE",
          "COMMONRECORDS = x", "COMMONRECORD", "INCOMPATIBLE_EQUATE = y", "INCOMPATIBLE_EQUATE",
          "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"}},
        {KeywordCode::None,
         "COMMONRECORD",
         {1, 2, 3},
         {"TRADUIRE", "TYPEDEFINI", "COMMONSTRUCTURE", "INCOMPATIBLE", "INCOMPATIBLE_EQUATE",
          "INTERFACE_API_CONFLIT_NOM", "FINDELISTE"}}};
    std::string journal;
    for (const Case& c : cases) {
        Load(CrLf(c.lines));
        // The second lookup reads the section lines that the first one found.
        for (int twice = 0; twice < 2; ++twice)
            EXPECT_EQ(LookupKeywordCode(session, "#define"), c.code);
        EXPECT_EQ(session.run.knowledge.sectionLines, c.at) << c.lines[0];
        if (!c.missing.empty()) {
            journal +=
                "Fichier de connaissances incomplet, section absente : " + c.missing + "\r\n";
        }
        EXPECT_EQ(Journal(), journal);
    }
}

// Every key of text's lines, with variants that a comparison of keys must tell apart.
std::set<std::string> WordsAroundKeys(std::string_view text) {
    const std::string suffixes[] = {"", "X", " ", "=", ";", "\r", std::string(1, '\0')};
    std::set<std::string> words;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != text.npos; start = end + 2) {
        const std::string_view line = Trimmed(text.substr(start, end - start));
        const std::string key(line.substr(0, line.find_first_of(" \t=;")));
        std::string lower = key, upper = key;
        for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
        for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        for (const std::string& suffix : suffixes) {
            words.insert({key + suffix, lower + suffix, upper + suffix});
        }
        words.insert({key.substr(0, key.size() / 2), key.substr(key.empty() ? 0 : 1), "P" + key,
                      " " + key, std::string(line)});
    }
    return words;
}

// Compares the indexed lookup with the scan in every range on the keys of text and on words
// drawn from a fixed seed; returns how many lookups found an entry.
int CompareWithTheScan(KnowledgeFile& file, std::string_view text) {
    constexpr std::string_view kAlphabet = "HWNDwndPOITyEeAaQR_#= \t;\r\xE9\xC9\0"sv;
    std::set<std::string> words = WordsAroundKeys(text);
    words.insert({std::string(1039, 'x'), std::string(1040, 'x')});
    std::mt19937 generator(20240611);
    for (int i = 0; i < 3000; ++i) {
        std::string word;
        for (size_t n = generator() % 9; n > 0; --n)
            word += kAlphabet[generator() % kAlphabet.size()];
        words.insert(word);
    }
    int found = 0;
    for (const std::string& word : words) {
        for (int range = 0; range < kRangeCount; ++range) {
            const std::optional<std::string_view> indexed = FindEntry(file, word, range);
            EXPECT_EQ(indexed, ScanEntry(file, word, range))
                << "word \"" << word << "\" range " << range;
            found += indexed.has_value();
        }
    }
    return found;
}

TEST_F(KnowledgeTest, TheKeyIndexAgreesWithTheScan) {
    Load(kRichFile);
    EXPECT_GE(CompareWithTheScan(session.run.knowledge, kRichFile), 60);
    ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge,
                                  ONDAVEL_SOURCE_DIR "/kits/egales.txt"));
    EXPECT_GE(CompareWithTheScan(session.run.knowledge, session.run.knowledge.index.text()), 400);
    EXPECT_EQ(Journal(), "");
}

}  // namespace
}  // namespace ondavel
