#include "declarations/type_mapping.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "declarations/prototype_parameters.h"
#include "declarations/type_list_index.h"
#include "statements/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

// Each case: the text, the text once rewritten, whether the rewrite took it.
using TextCase = std::tuple<std::string_view, std::string_view, bool>;

void ExpectRewrites(bool (*rewrite)(std::string&), std::initializer_list<TextCase> cases) {
    for (const auto& [input, expected, taken] : cases) {
        std::string text(input);
        EXPECT_EQ(rewrite(text), taken) << input;
        EXPECT_EQ(text, expected) << input;
    }
}

TEST(TypeTextTest, StripQualifiers) {
    ExpectRewrites(StripQualifiers, {{"const struct _RECT *prc;", "_RECT *prc;", true},
                                     {"struct _RECT rc", "struct _RECT rc", true},
                                     {"const", "const", false},
                                     {"far PASCAL", "PASCAL", true},
                                     {"unsigned const\tchar c", "char c", true},
                                     {"struct union x;", "x;", true},
                                     {"union _U u;", "_U u;", true},
                                     {"union { int a; } u;", "union { int a; } u;", true}});
}

TEST(TypeTextTest, NormalizeDeclarator) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"const char *lpName", "DWORD lpName"},
        {"HWND h optional Optional ", "HWND h"},
        {"OPTIONAL", "OPTIONAL"},
        {"a b\t \tc", "b c"},
        {"int x = 5", "int x 5"},
        // An '=' or a group inside a word still counts as one: the blanks in the group part no
        // words, and the '=' goes.
        {"int x=5", "int x5"},
        {"f (a b c)d", "f (a b c)d"},
        {"int a [ 2 ]", "a [ 2 ]"},
        {"void  *pfn  int ", "voidDWORD pfn int"}};
    for (const auto& [input, expected] : cases) {
        std::string text(input);
        NormalizeDeclarator(text, "DWORD");
        EXPECT_EQ(text, expected) << input;
    }
}

// A '*' inside an array bound multiplies; a bracket before the pointer bounds nothing.
TEST(TypeTextTest, PointerToWord) {
    const auto toDword = [](std::string& text) { return PointerToWord(text, "DWORD"); };
    ExpectRewrites(toDword, {{"int a[2*3]", "int a[2*3]", true},
                             {"int *a[2*3]", "DWORD a[2*3]", true},
                             {"a] [*", "DWORD", true}});
}

// A cleaning kept for a text is the one for the pointer type asked for; what cannot be typed
// says so, kept or not.
TEST(TypeTextTest, ParameterCleaningsFollowTheTextAndThePointerType) {
    TextRewrites cleanings;
    const auto clean = [&](std::string_view parameter, std::string_view pointerType) {
        std::string text(parameter);
        const Cleaning cleaning = cleanings.Apply(text, pointerType, CleanParameter);
        return std::pair(cleaning, text);
    };
    for (int round = 0; round < 2; ++round) {  // the second round reads what the first kept
        EXPECT_EQ(clean("const char *lpName", "DWORD"),
                  std::pair(Cleaning::Typed, std::string("DWORD lpName")));
        EXPECT_EQ(clean("IN", "DWORD").first, Cleaning::Refused);
        EXPECT_EQ(clean(" \t", "DWORD").first, Cleaning::Empty);
        // Rewritten, the pointer would pass the longest line.
        const std::string overLong = "a*" + std::string(1037, 'b');
        EXPECT_EQ(clean(overLong, "DWORD").first, Cleaning::Refused);
    }
    EXPECT_EQ(clean("const char *lpName", "QWORD").second, "QWORD lpName");
    EXPECT_EQ(clean("HWND hwnd", "QWORD").second, "HWND hwnd");
}

// The lookup rule stated plainly, entry after entry: the reference the list search must match.
bool PlainIsInTypeList(std::string_view list, std::string_view name) {
    for (size_t start = 0, end; (end = list.find('\0', start)) != list.npos; start = end + 1) {
        const std::string_view entry = list.substr(start, end - start);
        if (entry.empty() || !name.starts_with(entry)) continue;
        const char next = name.size() > entry.size() ? name[entry.size()] : ' ';
        if (next == ' ' || next == '\t' || next == '=') return true;
    }
    return false;
}

// The list search and the index against the plain rule, over random lists that keep growing,
// are released one at a time or all together as at the end of a header.
TEST(TypeListTest, SearchAndIndexAgreeWithThePlainRule) {
    // A small alphabet makes prefixes, shared tails and separators frequent.
    constexpr std::string_view kAlphabet = "AAB =\t";
    std::mt19937 random(20240611);
    auto randomText = [&](size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) c = kAlphabet[random() % kAlphabet.size()];
        return text;
    };
    RecordingHost host;
    Session session{host};
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        AppendPieceToHeapBlock(session.header.names.*kIndexedTypeLists[random() % 13],
                               randomText(4));
        if (round % 97 == 0) ReleaseHeapBlock(session.header.names.*kIndexedTypeLists[round % 13]);
        if (round % 401 == 0) {
            // The next header's lists outgrow this one's before anything is looked up.
            std::vector<uint32_t> before;
            for (HeapBlock* list : session.header.names.all()) before.push_back(list->used);
            ReleasePerFileMemory(session);
            for (size_t which = 0; which < before.size(); ++which) {
                HeapBlock& list = *session.header.names.all()[which];
                while (list.used <= before[which]) AppendPieceToHeapBlock(list, randomText(4));
            }
        }
        const std::string name = randomText(6);
        const uint32_t indexed = ListsHolding(session, name);
        for (size_t which = 0; which < kIndexedTypeLists.size(); ++which) {
            const HeapBlock& list = session.header.names.*kIndexedTypeLists[which];
            const bool expected = PlainIsInTypeList(list.view(), name);
            ASSERT_EQ(IsInTypeList(list, name), expected) << '"' << name << '"' << which;
            ASSERT_EQ((indexed >> which) & 1u, expected ? 1u : 0u) << '"' << name << '"' << which;
            found += expected ? 1 : 0;
        }
    }
    EXPECT_GT(found, 3000);
}

// Where each code's names go is seen through ClassifyType below.
TEST(TypeListTest, RegisterTypeNameAndAddUniqueName) {
    RecordingHost host;
    Session session{host};
    for (TypeCode code : {TC_UNION, TC_INTERFACE, TC_UNKNOWN}) RegisterTypeName(session, "U", code);
    for (HeapBlock* list : session.header.names.all()) EXPECT_EQ(list->used, 0u);
    for (std::string_view name : {"AB", "ABC", "AB", "ABC", "BC", ""}) {
        RegisterTypeName(session, name, TC_BYTE);
    }
    EXPECT_EQ(session.header.names.byteTypes.view(), std::string_view("AB\0ABC\0BC\0", 10));
}

class TypeMappingTest : public HeaderFixture {
  protected:
    void SetUp() override {
        WriteBytes(dir_ / "egales.txt",
                   "TRADUIRE\r\nTYPEDEFINI\r\nHANDLE = DWORD\r\nCHAR = SBYTE\r\n"
                   "USHORT = word\r\nLDOUBLE = REAL10\r\nBADT = STRUCT\r\nUINT = DWORD\r\n"
                   "COMMONSTRUCTURE\r\ntagPOINT = POINT\r\nRECT = RECT\r\nCOMMONRECORD\r\n"
                   "INCOMPATIBLE\r\nINCOMPATIBLE_EQUATE\r\nINTERFACE_API_CONFLIT_NOM\r\n"
                   "FINDELISTE\r\n");
        ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge, dir_ / "egales.txt"));
        const std::pair<std::string_view, uint32_t> registered[] = {
            {"Q1", TC_QWORD},      {"CHAR", TC_BYTE},     {"SB", TC_SIGNED | TC_BYTE},
            {"W1", TC_WORD},       {"SB", TC_DWORD},      {"MYHANDLE", TC_SIGNED | TC_WORD},
            {"BOTH", TC_DWORD},    {"BOTH", TC_STRUCT},   {"F4", TC_REAL4},
            {"F8", TC_REAL8},      {"FOO", TC_STRUCT},    {"BAR", TC_STRUCT},
            {"DoIt", TC_FUNCTION}, {"RECT", TC_FUNCTION}, {"WNDPROC", TC_CALLBACK}};
        for (const auto& [name, code] : registered) RegisterTypeName(session, name, code);
        AppendPieceToHeapBlock(session.header.names.interfaceNames, "UINT");
        AddSavedString(host, session.header.savedStrings, "_FOO,FOO,LFOO");
        for (const auto& [name, value] :
             {std::pair{"PORT_W", "PORT_W1"}, std::pair{"PORT_W1", "W1"},
              std::pair{"LOOP_A", "LOOP_B"}, std::pair{"LOOP_B", "LOOP_A"}}) {
            session.header.wordEquates.insert_or_assign(name, value);
        }
    }
};

// SB is also a dword name and BOTH also a structure alias: the first list wins. RECT is a known
// structure before a function name, UINT and CHAR are a header's names before the knowledge
// file's. BAR is an alias without a saved text.
TEST_F(TypeMappingTest, ClassifyType) {
    const std::tuple<std::string_view, uint32_t, std::string_view> cases[] = {
        {"SB", TC_SIGNED | TC_BYTE, "SBYTE"},
        {"MYHANDLE=3", TC_SIGNED | TC_WORD, "SWORD"},
        {"BOTH", TC_DWORD, "DWORD"},
        {"Q1", TC_QWORD, "QWORD"},
        {"F4", TC_REAL4, "REAL4"},
        {"F8", TC_REAL8, "REAL8"},
        {"BAR", TC_STRUCT, "BAR"},
        {"RECT", TC_STRUCT, "RECT"},
        {"DoIt", TC_FUNCTION, "DoIt"},
        {"WNDPROC", TC_CALLBACK, "WNDPROC"},
        {"UINT", TC_INTERFACE, "UINT"},
        {"CHAR", TC_BYTE, "BYTE"},
        {"BADT", TC_UNKNOWN, "STRUCT"},
        // A name #defined as one word is that word's type, through a chain of equates;
        // equates that go round name no type.
        {"PORT_W", TC_WORD, "WORD"},
        {"LOOP_A", TC_UNKNOWN, "LOOP_A"},
    };
    for (const auto& [name, code, out] : cases) {
        // The name is read from the very buffer that receives the answer.
        std::string inPlace(name);
        EXPECT_EQ(ClassifyType(session, inPlace, inPlace), code) << name;
        EXPECT_EQ(inPlace, out) << name;
    }
}

// A class once found is not kept past a change that makes it another: the name added to a
// list, an equate or a saved alias for it, or a pending aggregate macro inside it.
TEST_F(TypeMappingTest, ClassesFollowTheHeadersChanges) {
    const auto expectTwice = [&](std::string_view name, uint32_t code, std::string_view out) {
        for (int asked = 0; asked < 2; ++asked) {
            std::string answer = "none";
            EXPECT_EQ(ClassifyType(session, name, answer), code) << name << " asked " << asked;
            EXPECT_EQ(answer, out) << name << " asked " << asked;
        }
    };
    expectTwice("NEWT", TC_UNKNOWN, "none");
    RegisterTypeName(session, "NEWT", TC_WORD);
    expectTwice("NEWT", TC_WORD, "WORD");
    expectTwice("LDOUBLE", TC_REAL10, "REAL10");
    RegisterTypeName(session, "LDOUBLE", TC_QWORD);
    expectTwice("LDOUBLE", TC_QWORD, "QWORD");
    RegisterTypeName(session, "LBAR", TC_STRUCT);

    expectTwice("PORT_X", TC_UNKNOWN, "none");
    session.header.wordEquates.insert_or_assign("PORT_X", "W1");
    expectTwice("PORT_X", TC_WORD, "WORD");

    expectTwice("LBAR", TC_STRUCT, "none");
    AddSavedString(host, session.header.savedStrings, "_BAR,LBAR");
    expectTwice("LBAR", TC_STRUCT, "_BAR");

    expectTwice("HANDLE", TC_DWORD, "DWORD");
    session.run.pendingAggregateMacro = "HAND";
    expectTwice("UINT", TC_INTERFACE, "none");
    EXPECT_EQ(session.run.pendingAggregateMacro, "HAND");
    std::string answer = "none";
    EXPECT_EQ(ClassifyType(session, "HANDLE", answer), TC_STRUCT);
    EXPECT_EQ(answer, "none");
    EXPECT_EQ(session.run.pendingAggregateMacro, "");
    expectTwice("HANDLE", TC_DWORD, "DWORD");

    // Lists released (the next header) forget every class they decided.
    for (HeapBlock* list : session.header.names.all()) ReleaseHeapBlock(*list);
    expectTwice("LDOUBLE", TC_REAL10, "REAL10");
}

// The reduction of a COM method's parameter is kept for its text, but whether a "__" word is
// an annotation is asked each time: the header may have made it a type since.
TEST_F(TypeMappingTest, AReducedParameterStillAsksWhetherItsFirstWordIsAType) {
    for (int round = 0; round < 2; ++round) {
        std::string parameter = "const WCHAR *pszName";
        ReduceStarredParameter(session, parameter);
        EXPECT_EQ(parameter, "            *pszName");
        parameter = "__in  psz";
        ReduceStarredParameter(session, parameter);
        EXPECT_EQ(parameter, round == 0 ? "      psz" : "__in  psz");
        RegisterTypeName(session, "__in", TC_DWORD);
    }
}

// Sizes up to 32 bits take a DWORD, a structure its MASM name; an empty parameter adds nothing.
TEST_F(TypeMappingTest, AppendParameterType) {
    struct Case {
        std::string_view parameter;
        std::optional<uint32_t> result;
        std::string_view lineAfter;
    };
    const Case cases[] = {
        {" \t", TC_UNKNOWN, "f PROTO "},
        {"USHORT u", TC_WORD, "f PROTO :DWORD "},
        {"LDOUBLE d", TC_REAL10, "f PROTO :REAL10 "},
        {"FOO foo", TC_STRUCT, "f PROTO :_FOO "},
        {"tagPOINT pt", TC_STRUCT, "f PROTO :POINT "},
    };
    for (const Case& c : cases) {
        ProtoLine proto{"f PROTO "};
        std::string parameter(c.parameter);
        const Cleaning cleaning = CleanParameter(parameter, "DWORD");
        EXPECT_EQ(AppendParameterType(session, proto, cleaning, parameter, 120), c.result)
            << c.parameter;
        EXPECT_EQ(proto.text, c.lineAfter) << c.parameter;
        EXPECT_EQ(proto.hasParameter, c.result != TC_UNKNOWN) << c.parameter;
    }
}

}  // namespace
}  // namespace ondavel::testing
