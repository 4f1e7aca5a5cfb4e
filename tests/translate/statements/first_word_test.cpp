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

// Examples that pin the plain rule's own table below: a directive word stands at the second place
// of any word or after '#' and blanks, and "#end" begins every #endif.
TEST(FirstWordTest, ClassifiesLeadingKeywords) {
    const std::pair<const char*, StatementKind> cases[] = {
        {"TYPEDEF", StatementKind::Typedef}, {"#  define", StatementKind::Define},
        {"#endfoo", StatementKind::Endif},   {"}x", StatementKind::Brace},
        {"#elif", StatementKind::Other},     {"wifi", StatementKind::If},
        {"#x if", StatementKind::Other},
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
        if (round % 100 == 0) text.append(kLineLimit - text.size() - round % 3, 'x');
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
    const FirstWord goesOn = FirstWord::Word, skip = FirstWord::Skip;
    struct Case {
        const char* line;
        FirstWord result;
        const char* word;
    } const cases[] = {
        {"LPX*p;", goesOn, "LPX"},
        {"namespace std {", skip, "namespace"},
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
