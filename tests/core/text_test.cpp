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

TEST(TextTest, BoundedLengthStopsAtNulOrCr) {
    const std::string crAfterLongest = kLongest + "\rtail";
    // A lone LF is an ordinary character.
    const std::pair<std::string_view, int> cases[] = {
        {"", 0},     {"ab\0cd"sv, 2},  {"ab\rcd", 2},
        {"a\nb", 3}, {kLongest, 1039}, {crAfterLongest, 1039},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(BoundedLength(text), expected) << text;
}

TEST(TextTest, EveryBoundedRoutineGivesMinusOneForALineOf1040Characters) {
    const std::string crAfterLimit = kOverLong + "\r";
    std::string copy = "untouched";
    std::string_view view = "unset";
    EXPECT_EQ(BoundedLength(kOverLong), -1);
    EXPECT_EQ(BoundedLength(crAfterLimit), -1);
    EXPECT_EQ(CopyLine(copy, kOverLong), -1);
    EXPECT_EQ(TrimText(kOverLong, view), -1);
    EXPECT_EQ(MidText(kOverLong, 1, 1, view), -1);
    EXPECT_EQ(InString(1, kOverLong, "x", false), -1);
    EXPECT_EQ(InString(1, "x", kOverLong, false), -1);
    EXPECT_EQ(FindWord(1, kOverLong, "x", true, kBlanks, kBlanks), -1);
    EXPECT_EQ(copy, "untouched");
    EXPECT_EQ(view, "unset");
}

// Characters up to code 32 go from both ends; bytes above 127 are not blanks.
TEST(TextTest, CopyLineAndTrimTextStopAtTheTerminator) {
    std::string copy = "untouched";
    EXPECT_EQ(CopyLine(copy, "abc\r\ndef"), 3);
    EXPECT_EQ(copy, "abc");
    EXPECT_EQ(CopyLine(copy, ""), 0);
    EXPECT_EQ(copy, "");
    const std::pair<std::string_view, std::string_view> cases[] = {{"  \t abc \t ", "abc"},
                                                                   {"\001\037a b ", "a b"},
                                                                   {" \xA0x\xA0 ", "\xA0x\xA0"},
                                                                   {"  a  \r  b", "a"},
                                                                   {" \t \x05 ", ""}};
    for (const auto& [text, expected] : cases) {
        std::string_view trimmed = "unset";
        EXPECT_EQ(TrimText(text, trimmed), static_cast<int>(expected.size())) << text;
        EXPECT_EQ(trimmed, expected);
    }
}

TEST(TextTest, MidTextTakesARangeThatLiesInsideTheText) {
    const int kMax = std::numeric_limits<int>::max();
    const std::tuple<std::string_view, int, int, int, std::string_view> cases[] = {
        {"abcdef", 2, 3, 3, "bcd"},    {"abcdef", 4, 0, 3, "def"},
        {"abcdef", 6, 1, 1, "f"},      {"abcdef", 6, 2, 0, "unset"},
        {"abcdef", 7, 0, 0, "unset"},  {"abcdef", 0, 2, 0, "unset"},
        {"ab\rcd", 3, 0, 0, "unset"},  {"ab\rcd", 1, 0, 2, "ab"},
        {"", 1, 0, 0, "unset"},        {"abcdef", 2, kMax, 0, "unset"},
        {"abcdef", 2, -1, 0, "unset"},
    };
    for (const auto& [text, start, count, expected, expectedPart] : cases) {
        std::string_view part = "unset";
        EXPECT_EQ(MidText(text, start, count, part), expected) << text << start << " " << count;
        EXPECT_EQ(part, expectedPart);
    }
}

// Only a-z fold onto A-Z; a text ends at its CR.
TEST(TextTest, InStringFindsTheFirstOccurrenceFromStart) {
    const std::tuple<int, std::string_view, std::string_view, bool, int> cases[] = {
        {1, "#ifdef X", "if", true, 2},  {3, "#ifdef X", "if", true, 0},
        {1, "#IFDEF X", "if", false, 0}, {3, "ifxif", "if", false, 4},
        {5, "abcdef", "def", false, 0},  {0, "abc", "a", false, 0},
        {1, "abc", "", false, 0},        {1, "ab\rab", "ba", false, 0},
        {1, "x\xE9y", "\xC9", true, 0},  {1, "a@b", "`", true, 0},
        {1, "Zz", "zZ", true, 1},        {1, "a\rba", "ba", false, 0},
        {1, "ab\rab", "ab", false, 1},  {1, "x\rab", "AB", true, 0},
        {2, "ab\0AB", "ab", true, 0},
    };
    for (const auto& [start, text, pattern, ignoreCase, expected] : cases) {
        EXPECT_EQ(InString(start, text, pattern, ignoreCase), expected)
            << start << " '" << text << "' '" << pattern << "'";
    }
}

// A rejected occurrence makes the search resume past its whole length: in "xababa" the "aba" at 2
// is rejected, the search goes on at 5, and the token at 4 is never seen.
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
        EXPECT_EQ(FindWord(start, text, word, true, before, after), expected)
            << start << " '" << text << "' '" << word << "'";
    }
    // Respecting case, a token past the text's end of line is not found either.
    EXPECT_EQ(FindWord(1, "x \r struct", "struct", false, b, b), 0);
    EXPECT_EQ(FindWord(1, "x struct\r", "struct", false, b, b), 3);
    EXPECT_EQ(FindWord(1, "x STRUCT", "struct", false, b, b), 0);
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
