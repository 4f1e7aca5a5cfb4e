#include "declarations/type_mapping.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/output.h"
#include "declarations/type_list_index.h"
#include "driver/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

struct TextCase {
    std::string_view input;
    std::string_view expected;
    int result;
};

TEST(TypeTextTest, StripQualifiers) {
    const TextCase cases[] = {
        {"IN OUT LPDWORD lpdw", "LPDWORD lpdw", 2},
        {"const struct _RECT *prc;", "_RECT *prc;", 2},
        {"struct _RECT rc", "struct _RECT rc", 1},
        {"INT x", "INT x", 1},
        {"DWORD far", "DWORD far", 1},
        {"const", "const", 0},
        {"IN", "IN", 0},
        {"signed", "signed", 0},
        {"far PASCAL", "PASCAL", 2},
        {"Near x", "x", 2},
        {"IN(x)", "(x)", 2},
        {"unsigned const\tchar c", "char c", 2},
        {"struct tagPOINT pt;", "tagPOINT pt;", 2},
        {"union struct x;", "struct x;", 2},
        {"struct union x;", "x;", 2},
        {"const struct;", "struct;", 2},
        {"struct ;", ";", 2},
        {"union { int a; } u;", "union { int a; } u;", 1},
    };
    for (const TextCase& c : cases) {
        std::string text(c.input);
        EXPECT_EQ(StripQualifiers(text), c.result) << c.input;
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(TypeTextTest, BlankModifiersBlanksTheFirstStandAloneWordOfEach) {
    std::string text = "constant const x=const OPTIONAL, PURE)";
    EXPECT_EQ(BlankModifiers(text), 0);
    EXPECT_EQ(text, "constant       x=const         ,     )");
}

TEST(TypeTextTest, NormalizeDeclarator) {
    const TextCase cases[] = {
        {"const char *lpName", "DWORD lpName", 0},
        {"char * p", "DWORD  p", 0},
        {"LPCSTR lpName OPTIONAL", "LPCSTR lpName", 0},
        {"HWND h optional Optional ", "HWND h", 0},
        {"OPTIONAL", "OPTIONAL", 0},
        {"unsigned long x", "long x", 0},
        {"a b\t \tc", "b c", 0},
        {"char *", "DWORD", 0},
        {"char **pp", "DWORD pp", 0},
        {"int x = 5", "int x 5", 0},
        {"RECT rc[4]", "RECT rc[4]", 0},
        {"int a [ 2 ]", "a [ 2 ]", 0},
        {"void (*fn)(int)", "void (*fn)(int)", 0},
        {"void  *pfn  int ", "voidDWORD pfn int", 0},
        {"", "", 0},
    };
    for (const TextCase& c : cases) {
        std::string text(c.input);
        EXPECT_EQ(NormalizeDeclarator(text), c.result) << c.input;
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(TypeTextTest, PointerToDword) {
    const std::string tooLongOnceRewritten = "a*" + std::string(1037, 'b');
    const TextCase cases[] = {
        {"const char * lpName", "DWORD lpName", 2},
        {"LPVOID *ppv", "DWORD ppv", 2},
        {"char ** \t pp", "DWORD pp", 2},
        {"char *", "DWORD", 2},
        {"int a[2*3]", "int a[2*3]", 1},
        {"int *a[2*3]", "DWORD a[2*3]", 2},
        {"a] [*", "DWORD", 2},
        {"HWND h", "HWND h", 1},
        {tooLongOnceRewritten, tooLongOnceRewritten, 0},
    };
    for (const TextCase& c : cases) {
        std::string text(c.input);
        EXPECT_EQ(PointerToDword(text), c.result) << c.input;
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

// The lookup rule stated plainly, entry after entry: the reference the list search must match.
bool PlainIsInTypeList(std::string_view list, std::string_view name) {
    for (size_t start = 0; start < list.size();) {
        const size_t end = list.find('\0', start);
        const std::string_view entry = list.substr(start, end - start);
        start = end + 1;
        if (entry.empty() || name.substr(0, entry.size()) != entry) continue;
        if (name.size() == entry.size()) return true;
        const char next = name[entry.size()];
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
        HeapBlock& grown = session.header.names.*kIndexedTypeLists[random() % 13];
        AppendPiece(grown, randomText(4));
        if (round % 97 == 0) ReleaseBlocHeap(session.header.names.*kIndexedTypeLists[round % 13]);
        if (round % 401 == 0) {
            // The next header's lists outgrow this one's before anything is looked up.
            std::vector<uint32_t> before;
            for (HeapBlock* list : session.header.names.all()) before.push_back(list->used);
            ReleasePerFileMemory(session);
            for (size_t which = 0; which < before.size(); ++which) {
                HeapBlock& list = *session.header.names.all()[which];
                while (list.used <= before[which]) AppendPiece(list, randomText(4));
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

TEST(TypeListTest, RegisterTypeNameAndAddUniqueName) {
    RecordingHost host;
    Session session{host};
    NameLists& names = session.header.names;
    const std::pair<uint32_t, HeapBlock*> targets[] = {
        {TC_BYTE, &names.byteTypes},         {TC_SIGNED | TC_BYTE, &names.sbyteTypes},
        {TC_WORD, &names.wordTypes},         {TC_SIGNED | TC_WORD, &names.swordTypes},
        {TC_DWORD, &names.dwordTypes},       {TC_SIGNED | TC_DWORD, &names.sdwordTypes},
        {TC_QWORD, &names.qwordTypes},       {TC_REAL4, &names.real4Types},
        {TC_REAL8, &names.real8Types},       {TC_STRUCT, &names.structAliases},
        {TC_FUNCTION, &names.functionNames}, {TC_CALLBACK, &names.callbackNames},
    };
    for (const auto& [code, list] : targets) {
        for (std::string_view name : {"AB", "ABC", "AB", "ABC", "BC", ""}) {
            EXPECT_EQ(RegisterTypeName(session, name, code), 1);
        }
        EXPECT_EQ(list->view(), std::string_view("AB\0ABC\0BC\0", 10)) << code;
    }
    for (uint32_t code : {uint32_t{TC_UNION}, uint32_t{TC_INTERFACE}, uint32_t{TC_FWORD},
                          uint32_t{TC_TBYTE}, uint32_t{TC_REAL10}, uint32_t{TC_UNKNOWN}}) {
        RegisterTypeName(session, "U", code);
    }
    for (HeapBlock* list : names.all()) EXPECT_EQ(list->view().find('U'), std::string_view::npos);
}

class TypeMappingTest : public HeaderFixture {
  protected:
    void SetUp() override {
        WriteBytes(dir_ / "egales.txt",
                   "TRADUIRE\r\nTYPEDEFINI\r\n"
                   "HANDLE = DWORD\r\nDWORD = DWORD\r\nint = SDWORD\r\nchar = SBYTE\r\n"
                   "CHAR = SBYTE\r\nLONG = sdword\r\nUSHORT = word\r\nLDOUBLE = REAL10\r\n"
                   "BIGINT = SQWORD\r\nBADT = STRUCT\r\nF48 = FWORD\r\nTB = TBYTE\r\n"
                   "R4 = Real4\r\nR8 = REAL8\r\nRX = REALX\r\nLL = QWORD\r\nUINT = DWORD\r\n"
                   "COMMONSTRUCTURE\r\ntagPOINT = POINT\r\nRECT = RECT\r\n"
                   "COMMONRECORD\r\nINCOMPATIBLE\r\nINCOMPATIBLE_EQUATE\r\n"
                   "INTERFACE_API_CONFLIT_NOM\r\nFINDELISTE\r\n");
        ASSERT_EQ(LoadKnowledgeFile(session, dir_ / "egales.txt"), 1);
        const std::pair<std::string_view, uint32_t> registered[] = {
            {"TINY", TC_BYTE},
            {"CHAR", TC_BYTE},
            {"SB", TC_SIGNED | TC_BYTE},
            {"W1", TC_WORD},
            {"MYHANDLE", TC_SIGNED | TC_WORD},
            {"D1", TC_DWORD},
            {"SB", TC_DWORD},
            {"BOTH", TC_DWORD},
            {"SD", TC_SIGNED | TC_DWORD},
            {"Q1", TC_QWORD},
            {"F4", TC_REAL4},
            {"F8", TC_REAL8},
            {"FOO", TC_STRUCT},
            {"BAR", TC_STRUCT},
            {"BOTH", TC_STRUCT},
            {"DoIt", TC_FUNCTION},
            {"RECT", TC_FUNCTION},
            {"WNDPROC", TC_CALLBACK},
        };
        for (const auto& [name, code] : registered) RegisterTypeName(session, name, code);
        AppendPiece(session.header.names.interfaceNames, "IFoo");
        AppendPiece(session.header.names.interfaceNames, "UINT");
        AddSavedString(host, session.header.savedStrings, "_FOO,FOO,LFOO");
    }
    std::string Journal() {
        CloseJournal(session);
        return ReadBytes(dir_ / "journal.txt");
    }
};

TEST_F(TypeMappingTest, ClassifyType) {
    struct Case {
        std::string_view name;
        uint32_t code;
        std::string_view out;
    };
    const Case cases[] = {
        {"VOID", TC_VOID, "VOID"},
        {"void", TC_VOID, "void"},
        {"LPVOID", TC_UNKNOWN, "LPVOID"},
        {"SB", TC_SIGNED | TC_BYTE, "SBYTE"},  // also a dword name: the first list wins
        {"W1", TC_WORD, "WORD"},
        {"MYHANDLE", TC_SIGNED | TC_WORD, "SWORD"},
        {"MYHANDLE x", TC_SIGNED | TC_WORD, "SWORD"},
        {"MYHANDLE=3", TC_SIGNED | TC_WORD, "SWORD"},
        {"MYHANDLEX", TC_UNKNOWN, "MYHANDLEX"},
        {"PMYHANDLE", TC_UNKNOWN, "PMYHANDLE"},
        {"D1", TC_DWORD, "DWORD"},
        {"BOTH", TC_DWORD, "DWORD"},  // also a structure alias
        {"SD", TC_SIGNED | TC_DWORD, "SDWORD"},
        {"Q1", TC_QWORD, "QWORD"},
        {"F4", TC_REAL4, "REAL4"},
        {"F8", TC_REAL8, "REAL8"},
        {"FOO", TC_STRUCT, "_FOO"},
        {"BAR", TC_STRUCT, "BAR"},
        {"RECT", TC_STRUCT, "RECT"},  // a known structure before a function name
        {"tagPOINT", TC_STRUCT, "tagPOINT"},
        {"DoIt", TC_FUNCTION, "DoIt"},
        {"WNDPROC", TC_CALLBACK, "WNDPROC"},
        {"IFoo", TC_INTERFACE, "IFoo"},
        {"UINT", TC_INTERFACE, "UINT"},  // the header's names before the knowledge file
        {"TINY", TC_UNKNOWN, "TINY"},    // byte names are not looked up in their list
        {"CHAR", TC_SIGNED | TC_BYTE, "SBYTE"},
        {"HANDLE", TC_DWORD, "DWORD"},
        {"LONG", TC_SIGNED | TC_DWORD, "sdword"},
        {"USHORT", TC_WORD, "word"},
        {"F48", TC_FWORD, "FWORD"},
        {"TB", TC_TBYTE, "TBYTE"},
        {"R4", TC_REAL4, "Real4"},
        {"R8", TC_REAL8, "REAL8"},
        {"LDOUBLE", TC_REAL10, "REAL10"},
        {"RX", TC_UNKNOWN, "REALX"},
        {"LL", TC_QWORD, "QWORD"},
        {"BIGINT", TC_UNKNOWN, "SQWORD"},
        {"BADT", TC_UNKNOWN, "STRUCT"},
        {"NOWHERE", TC_UNKNOWN, "NOWHERE"},
    };
    for (const Case& c : cases) {
        // The name is read from the very buffer that receives the answer.
        std::string inPlace(c.name);
        EXPECT_EQ(ClassifyType(session, inPlace, inPlace), c.code) << c.name;
        EXPECT_EQ(inPlace, c.out) << c.name;
    }
}

TEST_F(TypeMappingTest, AppendParameterType) {
    struct Case {
        std::string_view lineBefore;
        bool cdeclSeen;
        bool first;
        std::string_view parameter;
        int64_t result;
        std::string_view lineAfter;
    };
    const Case cases[] = {
        {"Foo PROTO ", false, false, " HANDLE hWnd ", TC_DWORD, "Foo PROTO :DWORD "},
        {"Foo PROTO :DWORD ", false, true, "int x", TC_SIGNED | TC_DWORD,
         "Foo PROTO :DWORD ,:SDWORD "},
        {"Foo PROTO :DWORD ", false, true, "...", TC_VARARG, "Foo PROTO C  :DWORD , :VARARG"},
        {"Foo PROTO C :DWORD ", true, true, "...", TC_VARARG, "Foo PROTO C :DWORD , :VARARG"},
        {"FooPROTO PROTO ", false, false, "...", TC_VARARG, "FooPROTO PROTO C   :VARARG"},
        {"Foo PROTO ", false, false, "void", TC_VOID, "Foo PROTO  "},
        {"Baz PROTO ", false, false, "MYTYPE x", 0, "Baz PROTO : inconnu MYTYPE x "},
        {"f PROTO ", false, false, "struct tagPOINT pt", 0,
         "f PROTO : inconnu struct tagPOINT pt "},
        {"f PROTO :DWORD ", false, true, "IN", -1, "f PROTO :DWORD ,"},
        {"f PROTO ", false, false, "IN OUT", -1, "f PROTO "},
        {"f PROTO ", false, false, " \t", 0, "f PROTO "},
        {"f PROTO ", false, false, "IN const char * lpName", TC_DWORD, "f PROTO :DWORD "},
        {"f PROTO ", false, false, "unsigned char c", TC_SIGNED | TC_BYTE, "f PROTO :SDWORD "},
        {"f PROTO ", false, false, "USHORT u", TC_WORD, "f PROTO :DWORD "},
        {"f PROTO ", false, false, "LL big", TC_QWORD, "f PROTO :QWORD "},
        {"f PROTO ", false, false, "LDOUBLE d", TC_REAL10, "f PROTO :REAL10 "},
        {"f PROTO ", false, false, "WNDPROC p", TC_CALLBACK, "f PROTO :DWORD "},
        {"f PROTO ", false, false, "FOO foo", TC_STRUCT, "f PROTO :_FOO "},
        {"f PROTO ", false, false, "tagPOINT pt", TC_STRUCT, "f PROTO :POINT "},
    };
    session.run.baseDirectory = dir_.path().string() + "/";
    OpenJournal(session);
    for (const Case& c : cases) {
        session.statement.protoLine = c.lineBefore;
        session.statement.cdeclSeen = c.cdeclSeen;
        bool first = c.first;
        std::string parameter(c.parameter);
        EXPECT_EQ(AppendParameterType(session, parameter, first, 120), c.result) << c.parameter;
        EXPECT_EQ(session.statement.protoLine, c.lineAfter) << c.parameter;
        // Only an empty parameter leaves the flag as it was.
        EXPECT_EQ(first, c.first || c.result != 0 || c.lineAfter != c.lineBefore) << c.parameter;
    }
    EXPECT_EQ(Journal(), "MYTYPE 120\r\nstruct 120\r\n");
}

}  // namespace
}  // namespace ondavel::testing
