// The Windows SDK knowledge file shipped in kits/.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "knowledge/knowledge.h"
#include "knowledge/knowledge_scan.h"
#include "knowledge_fixture.h"

namespace ondavel {
namespace {

class KnowledgeKitFile : public testing::KnowledgeFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(LoadKnowledgeFile(session, ONDAVEL_SOURCE_DIR "/kits/egales.txt"), 1);
        ASSERT_TRUE(PrepareKnowledge(session)) << Journal();
    }

    // The entry lines of a range, section lines excluded.
    std::vector<std::string_view> Entries(LookupKind kind) {
        const KnowledgeFile& file = session.run.knowledge;
        const LineRange range = RangeLines(file, KindRange(kind));
        std::vector<std::string_view> entries;
        for (uint32_t n = range.first; n <= range.last; ++n) {
            std::string_view line;
            const bool sectionLine = n == range.last || (kind != LOOKUP_CODE && n == range.first);
            if (!sectionLine && ReadKnowledgeLine(file.index, n, line)) entries.push_back(line);
        }
        return entries;
    }
};

TEST_F(KnowledgeKitFile, EndsEveryLineWithCrLf) {
    const std::string& text = session.run.knowledge.index.text;
    size_t crlf = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "byte " << i;
            ++crlf;
        }
    }
    EXPECT_EQ(crlf, session.run.knowledge.index.lineCount);
    EXPECT_EQ(session.run.knowledge.index.tailLine, 0u);
}

TEST_F(KnowledgeKitFile, GivesTheKeywordCodes) {
    const std::vector<std::pair<std::string_view, uint32_t>> cases = {
        {"#define", CODE_DEFINE},
        {"#if", CODE_IF},
        {"#endif", CODE_ENDIF},
        {"#else", CODE_ELSE},
        {"#include", CODE_INCLUDE},
        {"#pragma", CODE_PRAGMA},
        {"#ifndef", CODE_IFNDEF},
        {"#IFDEF", CODE_IFDEF},
        {"#error", CODE_ERROR},
        {"#elif", CODE_ELIF},
        {"typedef", CODE_TYPEDEF},
        {"struct", CODE_AGGREGATE},
        {"union", CODE_AGGREGATE},
        {"DECLARE_INTERFACE_", CODE_INTERFACE},
        {"interface", CODE_OLE_INTERFACE},
        {"DECLARE_HANDLE", CODE_DECLARE_ONE},
        {"DEFINE_GUID", CODE_DEFINE_GUID},
        {"DEFINE_OLEGUID", CODE_DEFINE_OLEGUID},
        {"MIDL_DEFINE_GUID", CODE_GUID_SECOND},
        // Prototypes and declarations carry no code.
        {"WINBASEAPI", 0},
        {"HRESULT", 0},
        {"extern", 0},
        {"EXTERN_C", 0},
    };
    for (const auto& [word, code] : cases) {
        EXPECT_EQ(LookupKnowledge(session, word, LOOKUP_CODE, nullptr), code) << word;
    }
    for (std::string_view word :
         {"#undef", "#warning", "static", "__inline", "FORCEINLINE", "__CRT_INLINE", "__mingw_ovr",
          "template", "namespace", "class", "DECLARE_INTERFACE"}) {
        const uint32_t code = LookupKnowledge(session, word, LOOKUP_CODE, nullptr);
        EXPECT_TRUE(code == CODE_SKIP || code == CODE_SKIP2) << word << " " << code;
    }
}

TEST_F(KnowledgeKitFile, MapsTypesStructuresAndReservedNames) {
    const std::vector<std::tuple<std::string_view, LookupKind, std::string_view>> cases = {
        {"char", LOOKUP_TYPEDEFINI, "SBYTE"},
        {"short", LOOKUP_TYPEDEFINI, "SWORD"},
        {"int", LOOKUP_TYPEDEFINI, "SDWORD"},
        {"long", LOOKUP_TYPEDEFINI, "SDWORD"},
        {"__int64", LOOKUP_TYPEDEFINI, "QWORD"},
        {"float", LOOKUP_TYPEDEFINI, "REAL4"},
        {"double", LOOKUP_TYPEDEFINI, "REAL8"},
        {"BYTE", LOOKUP_TYPEDEFINI, "BYTE"},
        {"UINT", LOOKUP_TYPEDEFINI, "DWORD"},
        {"LONG", LOOKUP_TYPEDEFINI, "SDWORD"},
        {"HWND", LOOKUP_TYPEDEFINI, "DWORD"},
        {"LPCWSTR", LOOKUP_TYPEDEFINI, "DWORD"},
        {"WPARAM", LOOKUP_TYPEDEFINI, "DWORD"},
        {"LPARAM", LOOKUP_TYPEDEFINI, "SDWORD"},
        {"ULONG_PTR", LOOKUP_TYPEDEFINI, "DWORD"},
        {"WCHAR", LOOKUP_TYPEDEFINI, "WORD"},
        {"ULONGLONG", LOOKUP_TYPEDEFINI, "QWORD"},
        {"RECT", LOOKUP_COMMONSTRUCTURE, "RECT"},
        {"tagPOINT", LOOKUP_COMMONSTRUCTURE, "POINT"},
        {"LARGE_INTEGER", LOOKUP_COMMONSTRUCTURE, "LARGE_INTEGER"},
        {"type", LOOKUP_INCOMPATIBLE, "_type"},
        {"Size", LOOKUP_INCOMPATIBLE, "_size"},
        {"cx", LOOKUP_INCOMPATIBLE, "_cx"},
    };
    for (const auto& [word, kind, value] : cases) {
        std::string output;
        EXPECT_EQ(LookupKnowledge(session, word, kind, &output), 1u) << word;
        EXPECT_EQ(output, value) << word;
    }
}

TEST_F(KnowledgeKitFile, HasNoDeadOrMalformedEntries) {
    // A key repeated in a range is never read; a code outside the driver's set does nothing.
    const std::set<uint32_t> codes = {1,  2,  3,  4,  5,  10, 11, 12, 13, 14, 15,
                                      16, 17, 20, 31, 32, 33, 35, 36, 37, 42};
    // The values the type mapping turns into a size.
    const std::set<std::string> types = {"BYTE",   "SBYTE", "WORD",  "SWORD", "DWORD",
                                         "SDWORD", "QWORD", "REAL4", "REAL8"};
    for (uint32_t kind = LOOKUP_CODE; kind <= LOOKUP_API_CONFLIT; ++kind) {
        if (kind == LOOKUP_IS_TYPEDEFINI) continue;
        const bool foldCase = kRangeIgnoresCase[KindRange(LookupKind(kind))];
        std::set<std::string> keys;
        for (std::string_view line : Entries(LookupKind(kind))) {
            std::string key(EntryKey(line));
            if (foldCase) {
                for (char& c : key) c = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
            }
            EXPECT_TRUE(keys.insert(key).second) << "repeated key: " << line;
            std::string value;
            const uint32_t result = ReadEntry(line, LookupKind(kind), &value);
            if (kind == LOOKUP_CODE) {
                EXPECT_TRUE(codes.count(result)) << "code: " << line;
            } else {
                EXPECT_EQ(result, 1u) << line;
                EXPECT_FALSE(value.empty()) << line;
            }
            if (kind == LOOKUP_TYPEDEFINI) {
                EXPECT_TRUE(types.count(value)) << line;
            }
        }
        EXPECT_FALSE(kind != LOOKUP_COMMONRECORD && keys.empty()) << "empty range " << kind;
    }
}

}  // namespace
}  // namespace ondavel
