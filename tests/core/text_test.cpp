#include "core/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace ondavel {
namespace {

using namespace std::string_view_literals;

const std::string kLongest(1039, 'x');  // the longest text a line buffer holds
const std::string kOverLong(1040, 'x');

// Short texts are read in overlapping halves: every length up to two blocks, from every place,
// finds the first character of the set at or after it, as a plain scan does.
TEST(TextTest, FindAnyOfAgreesWithAPlainScanFromEveryPlace) {
    using namespace std::string_literals;
    const std::string pattern = "a/b\0c/\rd'e\x80/\xAF" "f"s;
    for (size_t length = 0; length <= 33; ++length) {
        std::string text;
        for (size_t i = 0; i < length; ++i) text += pattern[(i * 5) % pattern.size()];
        for (const std::string_view set : {std::string_view("/"), std::string_view("\0\r", 2),
                                           std::string_view("'/\"")}) {
            for (size_t from = 0; from <= length + 1; ++from) {
                size_t expected = from;
                while (expected < length && set.find(text[expected]) == std::string_view::npos) {
                    ++expected;
                }
                EXPECT_EQ(FindAnyOf(text, from, set), std::min(expected, length))
                    << length << " " << from;
            }
        }
    }
}

// A line buffer takes 1,039 characters, up to a NUL or CR (a lone LF is an ordinary character);
// every bounded routine refuses a line of 1,040.
TEST(TextTest, EveryBoundedRoutineRefusesALineOf1040Characters) {
    const std::string crAfterLimit = kOverLong + "\r";
    EXPECT_EQ(BoundedLength("a\nb"), 3u);
    EXPECT_EQ(BoundedLength(kLongest), 1039u);
    EXPECT_EQ(BoundedLength(kLongest + "\rtail"), 1039u);
    std::string copy = "untouched";
    EXPECT_EQ(BoundedLength(kOverLong), std::nullopt);
    EXPECT_EQ(BoundedLength(crAfterLimit), std::nullopt);
    EXPECT_FALSE(CopyLine(copy, kOverLong));
    EXPECT_EQ(copy, "untouched");
    EXPECT_EQ(TrimText(kOverLong), std::nullopt);
    EXPECT_EQ(Trimmed(kOverLong), "");
    EXPECT_EQ(InString(1, kOverLong, "x", Case::Exact), std::nullopt);
    EXPECT_EQ(InString(1, "x", kOverLong, Case::Exact), std::nullopt);
    EXPECT_EQ(FindWord(1, kOverLong, "x", Case::Ignore, kBlanks, kBlanks), std::nullopt);
}

// A text longer than a line is searched only when its line ends within the limit, wherever the
// occurrence stands: before that end it is found, past it it is not.
TEST(TextTest, SearchesOfLongTextsStopAtTheLineOrRefuseIt) {
    std::string text = "ab" + std::string(kLineLimit + 20, '-');
    const auto put = [&text](size_t at, std::string_view what) { text.replace(at, what.size(), what); };
    put(kLineLimit - 10, "\r");
    put(kLineLimit, "zz");
    EXPECT_EQ(InString(1, text, "B", Case::Ignore).value_or(0), 2);
    EXPECT_EQ(FindWord(1, text, "ab", Case::Exact, kBlanks, "-").value_or(0), 1);
    EXPECT_EQ(InString(1, text, "zz", Case::Exact), std::nullopt);
    EXPECT_EQ(InString(kLineLimit - 5, text, "-", Case::Exact), std::nullopt);
    put(kLineLimit - 10, "-");
    EXPECT_EQ(InString(1, text, "ab", Case::Exact), std::nullopt);
    EXPECT_EQ(FindWord(1, text, "ab", Case::Exact, kBlanks, "-"), std::nullopt);
    put(kLineLimit + 5, "\r");
    EXPECT_EQ(InString(1, text, "zz", Case::Exact), std::nullopt);
}

// Characters up to code 32 go from both ends; bytes above 127 are not blanks.
TEST(TextTest, CopyLineAndTrimTextStopAtTheTerminator) {
    std::string copy = "untouched";
    EXPECT_TRUE(CopyLine(copy, "abc\r\ndef"));
    EXPECT_EQ(copy, "abc");
    EXPECT_TRUE(CopyLine(copy, ""));
    EXPECT_EQ(copy, "");
    const std::pair<std::string_view, std::string_view> cases[] = {{"  \t abc \t ", "abc"},
                                                                   {"\001\037a b ", "a b"},
                                                                   {" \xA0x\xA0 ", "\xA0x\xA0"},
                                                                   {"  a  \r  b", "a"},
                                                                   {" \t \x05 ", ""}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(TrimText(text), expected) << text;
}

// Only a-z fold onto A-Z; a text ends at its CR. 0: nothing found.
TEST(TextTest, InStringFindsTheFirstOccurrenceFromStart) {
    const Case i = Case::Ignore, e = Case::Exact;
    const std::tuple<int, std::string_view, std::string_view, Case, int> cases[] = {
        {1, "#ifdef X", "if", i, 2}, {3, "#ifdef X", "if", i, 0}, {1, "#IFDEF X", "if", e, 0},
        {3, "ifxif", "if", e, 4},    {5, "abcdef", "def", e, 0},  {0, "abc", "a", e, 0},
        {1, "abc", "", e, 0},        {1, "ab\rab", "ba", e, 0},   {1, "x\xE9y", "\xC9", i, 0},
        {1, "a@b", "`", i, 0},       {1, "Zz", "zZ", i, 1},       {1, "a\rba", "ba", e, 0},
        {1, "ab\rab", "ab", e, 1},   {1, "x\rab", "AB", i, 0},    {2, "ab\0AB", "ab", i, 0},
    };
    for (const auto& [start, text, pattern, letters, expected] : cases) {
        EXPECT_EQ(InString(start, text, pattern, letters).value_or(0), expected)
            << start << " '" << text << "' '" << pattern << "'";
    }
}

// Ignoring case, a-z and A-Z alone fold: '@' and '`', '[' and '{', '\xC1' and '\xE1' differ by
// the same bit as 'A' and 'a' but stay apart. Every text of up to forty characters drawn from
// such pairs, across the sixteen-character blocks, agrees with a plain comparison at each place.
TEST(TextTest, InStringIgnoringCaseAgreesWithAPlainComparison) {
    const std::string_view alphabet = "aAbB@`[{\xC1\xE1_ ";
    const auto plain = [](std::string_view text, size_t from, std::string_view pattern) {
        for (size_t at = from; at + pattern.size() <= text.size(); ++at) {
            bool same = true;
            for (size_t i = 0; i < pattern.size(); ++i) {
                same = same && FoldCase(text[at + i]) == FoldCase(pattern[i]);
            }
            if (same) return static_cast<int>(at) + 1;
        }
        return 0;
    };
    uint32_t seed = 12345;
    const auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return alphabet[(seed >> 16) % alphabet.size()];
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<size_t>(round % 41), ' ');
        for (char& c : text) c = next();
        std::string pattern(static_cast<size_t>(1 + round % 3), ' ');
        for (char& c : pattern) c = next();
        // Every other pattern is a piece of the text, its letters' cases swapped: found there.
        if (round % 2 == 0 && pattern.size() <= text.size()) {
            const size_t at = static_cast<size_t>(next()) % (text.size() - pattern.size() + 1);
            for (size_t i = 0; i < pattern.size(); ++i) {
                const char c = text[at + i];
                pattern[i] = IsLetter(c) ? static_cast<char>(c ^ 0x20) : c;
            }
        }
        const int start = 1 + round % 5;
        EXPECT_EQ(InString(start, text, pattern, Case::Ignore).value_or(0),
                  plain(text, static_cast<size_t>(start - 1), pattern))
            << start << " '" << text << "' '" << pattern << "'";
        EXPECT_EQ(HoldsIgnoringCase(text, pattern), plain(text, 0, pattern) != 0)
            << "'" << text << "' '" << pattern << "'";
    }
}

// A rejected occurrence makes the search resume past its whole length: in "xababa" the "aba" at 2
// is rejected, the search goes on at 5, and the token at 4 is never seen. 0: nothing found.
TEST(TextTest, FindWordAcceptsOnlyTokens) {
    const std::string_view b = kBlanks, ops = kOperatorDelims;
    const std::tuple<int, std::string_view, std::string_view, std::string_view, std::string_view,
                     int>
        cases[] = {
            {1, "typedef struct _X", "struct", b, b, 9},
            {1, "mystruct x", "struct", b, b, 0},
            {1, "structs struct", "struct", b, b, 9},
            {1, "STRUCT", "struct", b, b, 1},
            {1, "x struct\0more"sv, "struct", b, b, 3},
            {1, "mystruct", "struct", "", b, 3},
            {1, "structure", "struct", b, "", 1},
            {1, "a=(X)", "X", ops, ops, 4},
            {1, "a=X_Y", "X", ops, ops, 0},
            {5, "if if", "if", b, b, 0},
            {1, "xababa", "aba", "b", "", 0},
        };
    for (const auto& [start, text, word, before, after, expected] : cases) {
        EXPECT_EQ(FindWord(start, text, word, Case::Ignore, before, after).value_or(0), expected)
            << start << " '" << text << "' '" << word << "'";
    }
    // Respecting case, a token past the text's end of line is not found either.
    EXPECT_EQ(FindWord(1, "x \r struct", "struct", Case::Exact, b, b).value_or(0), 0);
    EXPECT_EQ(FindWord(1, "x struct\r", "struct", Case::Exact, b, b).value_or(0), 3);
    EXPECT_EQ(FindWord(1, "x STRUCT", "struct", Case::Exact, b, b).value_or(0), 0);
}

TEST(TextTest, NumberConversions) {
    EXPECT_EQ(NumberToText(-12), "-12");
    EXPECT_EQ(NumberToText(std::numeric_limits<int32_t>::min()), "-2147483648");
    const std::pair<std::string_view, uint32_t> decimals[] = {
        {"", 0}, {"0123", 123}, {"4294967295", 4294967295u}, {"4294967296", 0}, {"12\r\n34", 12},
    };
    for (const auto& [digits, value] : decimals) EXPECT_EQ(TextToNumber(digits), value) << digits;
    // A trailing h or H is dropped once, and only the last eight digits count.
    const std::pair<std::string_view, uint32_t> hex[] = {
        {"10h", 0x10}, {"DEADbeef", 0xDEADBEEF}, {"123456789", 0x23456789}, {"0FFFFFFFFh", ~0u}};
    for (const auto& [text, value] : hex) {
        EXPECT_TRUE(HexToNumber(text).ok) << text;
        EXPECT_EQ(HexToNumber(text).value, value) << text;
    }
    for (std::string_view bad : {"", "h", "12hh", "1g", " 10"}) EXPECT_FALSE(HexToNumber(bad).ok);
}

}  // namespace
}  // namespace ondavel
