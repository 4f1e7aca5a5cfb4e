#include "statements/first_word.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <string_view>

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

// The rule, written plainly: the first keyword, in the order they are tried, that begins the
// text up to its end of line (a directive word at the second place, or after '#' and blanks),
// matching letters in either case.
StatementKind PlainLeadingKeyword(std::string_view whole) {
    const std::string_view line = whole.substr(0, whole.find_first_of(std::string_view("\0\r", 2)));
    const std::string_view text = line.size() < kLineLimit ? line : std::string_view{};
    const auto startsWith = [](std::string_view at, std::string_view word) {
        if (at.size() < word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(at[i])) != word[i]) return false;
        }
        return true;
    };
    const std::pair<std::string_view, StatementKind> words[] = {
        {"typedef", StatementKind::Typedef}, {"#define", StatementKind::Define},
        {"extern", StatementKind::Extern},   {"#if", StatementKind::If},
        {"#pragma", StatementKind::Pragma},  {"#end", StatementKind::Endif},
        {"#else", StatementKind::Else},      {"#include", StatementKind::Include},
        {"#error", StatementKind::Error},    {"#undef", StatementKind::Undef},
        {"class", StatementKind::Class}};
    for (const auto& [word, kind] : words) {
        if (!word.starts_with('#')) {
            if (startsWith(text, word)) return kind;
            continue;
        }
        const std::string_view name = word.substr(1);
        const std::string_view second = text.substr(std::min<size_t>(1, text.size()));
        const std::string_view afterBlanks =
            second.substr(std::min(second.find_first_not_of(" \t"), second.size()));
        if (startsWith(second, name) || (text.starts_with('#') && startsWith(afterBlanks, name))) {
            return kind;
        }
    }
    if (whole.starts_with('{') || whole.starts_with('}')) return StatementKind::Brace;
    if (whole.starts_with("/*") || whole.starts_with("//")) return StatementKind::Comment;
    return StatementKind::Other;
}

// Texts drawn from the keywords' letters in both cases, '#', blanks, ends of line and a few
// others, keywords spliced in at the places that count, agree with the rule written plainly.
TEST(FirstWordTest, TheClassificationAgreesWithThePlainRule) {
    constexpr char kLetters[] = "#  \t\0\rdefinDEFINtypTYPxlsgcCaruU{}/*";
    const std::string_view alphabet(kLetters, sizeof kLetters - 1);
    const std::string_view keywords[] = {"typedef", "define",  "extern", "if",    "pragma", "endif",
                                         "else",    "include", "error",  "undef", "class",  "ELSE"};
    std::mt19937 random(19);
    for (int round = 0; round < 40000; ++round) {
        std::string text;
        const size_t length = random() % 12;
        for (size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % alphabet.size()]);
        if (random() % 2 == 0) {
            const size_t at = std::min<size_t>(random() % 4, text.size());
            text.insert(at, keywords[random() % std::size(keywords)]);
        }
        if (round % 500 == 0) text.append(kLineLimit - text.size() - round % 3, 'x');
        ASSERT_EQ(ClassifyLeadingKeyword(text), PlainLeadingKeyword(text))
            << '"' << text.substr(0, 40) << "\" size " << text.size();
    }
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
