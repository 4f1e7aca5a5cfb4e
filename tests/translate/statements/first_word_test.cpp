#include "statements/first_word.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

TEST(FirstWordTest, ClassifiesLeadingKeywords) {
    const std::pair<const char*, StatementKind> cases[] = {
        {"typedef", StatementKind::Typedef},
        {"TYPEDEF", StatementKind::Typedef},
        {"#define", StatementKind::Define},
        {"#  define", StatementKind::Define},
        {"extern", StatementKind::Extern},
        {"#if", StatementKind::If},
        {"# if", StatementKind::If},
        {"#pragma", StatementKind::Pragma},
        {"#endif", StatementKind::Endif},
        {"#else", StatementKind::Else},
        {"#error", StatementKind::Error},
        {"#include", StatementKind::Include},
        {"#undef", StatementKind::Undef},
        {"class", StatementKind::Class},
        {"{", StatementKind::Brace},
        {"}x", StatementKind::Brace},
        {"/*", StatementKind::Comment},
        {"//", StatementKind::Comment},
        {"#elif", StatementKind::Other},
        {"DEFINE_GUID", StatementKind::Other},
        {"mytypedef", StatementKind::Other},
        {"HRESULT", StatementKind::Other},
        // Directive words are found at the second position of any word.
        {"wifi", StatementKind::If},
        {"#x if", StatementKind::Other},
    };
    for (const auto& [text, kind] : cases) EXPECT_EQ(ClassifyLeadingKeyword(text), kind) << text;
}

// A keyword is read up to the end of the line, and an over-long line holds none.
TEST(FirstWordTest, KeywordsEndWithTheLine) {
    const std::string overLong(kLineLimit, 'x');
    const std::pair<std::string, StatementKind> cases[] = {
        {"typedef\r", StatementKind::Typedef},
        {"type\rdef", StatementKind::Other},
        {std::string("ext\0ern", 7), StatementKind::Other},
        {"#if\r", StatementKind::If},
        {"typedef " + overLong, StatementKind::Other},
        {"#define " + overLong, StatementKind::Other},
        {"typedef " + overLong.substr(0, kLineLimit - 9) + "\r", StatementKind::Typedef},
    };
    for (const auto& [text, kind] : cases) EXPECT_EQ(ClassifyLeadingKeyword(text), kind) << text;
}

TEST(FirstWordTest, ClosesUpDirectives) {
    const std::pair<const char*, const char*> cases[] = {
        {"#\tpragma once", "#pragma  once"},
        {"# ", "# "},
        {"#", "#"},
    };
    for (const auto& [before, after] : cases) {
        std::string line = before;
        CloseUpDirective(line);
        EXPECT_EQ(line, after);
    }
}

class ExtractFirstWordTest : public HeaderFixture {};

TEST_F(ExtractFirstWordTest, CutsTheWordAndTellsWhatFollows) {
    UseKnowledge("");
    const FirstWord goesOn = FirstWord::Word, skip = FirstWord::Skip, call = FirstWord::UncodedCall;
    struct Case {
        const char* line;
        FirstWord result;
        const char* word;
    } const cases[] = {
        {"x->y = 1;", goesOn, "x"},
        {"A::B(1);", call, "A::B"},  // a word the kit does not know, called like a function
        {"LPX*p;", goesOn, "LPX"},
        {"(x);", skip, ""},
        {"extern_c int x;", goesOn, "extern_c"},
        {"namespace std {", skip, "namespace"},
        {"extern int x;", goesOn, "extern"},
        {"extern \"C\"", skip, "extern"},
        {"extern \"C\"   {", skip, "extern"},
    };
    for (const Case& c : cases) {
        Header(std::string(c.line) + "\r\n");
        std::string line = c.line;
        std::string word;
        EXPECT_EQ(ExtractFirstWord(session, line, word, session.run.inputIndex, 1), c.result)
            << c.line;
        EXPECT_EQ(word, c.word) << c.line;
    }
}

}  // namespace
}  // namespace ondavel::testing
