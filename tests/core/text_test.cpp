#include "core/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace ondavel {
namespace {

using namespace std::string_view_literals;

const std::string kLongest(1039, 'x');  // the longest text a line buffer holds
const std::string kOverLong(1040, 'x');

TEST(TextTest, BoundedLengthStopsAtNulCrOrTheLineLimit) {
    const std::string crAfterLongest = kLongest + "\rtail";
    const std::string crAfterLimit = kOverLong + "\r";
    struct Case {
        std::string_view text;
        int expected;
    };
    const Case cases[] = {
        {""sv, 0},        {"abc"sv, 3},           {"ab\0cd"sv, 2}, {"ab\rcd"sv, 2},
        {"a\nb"sv, 3},  // a lone LF is an ordinary character
        {kLongest, 1039}, {crAfterLongest, 1039}, {kOverLong, -1}, {crAfterLimit, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoundedLength(c.text), c.expected) << "length " << c.text.size();
    }
}

TEST(TextTest, CopyLineCopiesUpToTheTerminator) {
    struct Case {
        std::string_view source;
        int expected;
        std::string copied;
    };
    const Case cases[] = {
        {"abc\r\ndef"sv, 3, "abc"}, {"x\0y"sv, 1, "x"},         {""sv, 0, ""},
        {"\r\n"sv, 0, ""},          {kLongest, 1039, kLongest}, {kOverLong, -1, "untouched"},
    };
    for (const Case& c : cases) {
        std::string destination = "untouched";
        EXPECT_EQ(CopyLine(destination, c.source), c.expected) << c.copied;
        EXPECT_EQ(destination, c.copied);
    }
}

TEST(TextTest, TrimTextDropsControlsAndBlanksAtBothEnds) {
    struct Case {
        std::string_view text;
        int expected;
        std::string_view trimmed;
    };
    const Case cases[] = {
        {"  \t abc \t "sv, 3, "abc"sv},
        {"\x01\x1f"
         "a b\x20"sv,
         3, "a b"sv},
        {" \xA0x\xA0 "sv, 3, "\xA0x\xA0"sv},  // bytes above 127 are not blanks
        {"  a  \r  b"sv, 1, "a"sv},
        {" \t \x05 "sv, 0, ""sv},
        {""sv, 0, ""sv},
        {kOverLong, -1, "unset"sv},
    };
    for (const Case& c : cases) {
        std::string_view trimmed = "unset";
        EXPECT_EQ(TrimText(c.text, trimmed), c.expected) << c.text;
        EXPECT_EQ(trimmed, c.trimmed);
    }
}

TEST(TextTest, MidTextTakesARangeThatLiesInsideTheText) {
    struct Case {
        std::string_view text;
        int start;
        int count;
        int expected;
        std::string_view part;
    };
    const Case cases[] = {
        {"abcdef"sv, 2, 3, 3, "bcd"sv},
        {"abcdef"sv, 1, 0, 6, "abcdef"sv},
        {"abcdef"sv, 4, 0, 3, "def"sv},
        {"abcdef"sv, 6, 1, 1, "f"sv},
        {"abcdef"sv, 6, 2, 0, "unset"sv},
        {"abcdef"sv, 7, 0, 0, "unset"sv},
        {"abcdef"sv, 0, 2, 0, "unset"sv},
        {"abcdef"sv, 2, -1, 0, "unset"sv},
        {"abcdef"sv, 2, std::numeric_limits<int>::max(), 0, "unset"sv},
        {"ab\rcd"sv, 3, 0, 0, "unset"sv},
        {"ab\rcd"sv, 1, 0, 2, "ab"sv},
        {""sv, 1, 0, 0, "unset"sv},
        {kOverLong, 1, 1, -1, "unset"sv},
    };
    for (const Case& c : cases) {
        std::string_view part = "unset";
        EXPECT_EQ(MidText(c.text, c.start, c.count, part), c.expected)
            << c.text << " " << c.start << " " << c.count;
        EXPECT_EQ(part, c.part);
    }
}

TEST(TextTest, InStringFindsTheFirstOccurrenceFromStart) {
    struct Case {
        int start;
        std::string_view text;
        std::string_view pattern;
        bool ignoreCase;
        int expected;
    };
    const Case cases[] = {
        {1, "#ifdef X"sv, "if"sv, true, 2},  {3, "#ifdef X"sv, "if"sv, true, 0},
        {1, "#IFDEF X"sv, "if"sv, false, 0}, {1, "#IFDEF X"sv, "if"sv, true, 2},
        {3, "ifxif"sv, "if"sv, false, 4},    {4, "abcdef"sv, "def"sv, false, 4},
        {5, "abcdef"sv, "def"sv, false, 0},  // the pattern cannot fit from there
        {0, "abc"sv, "a"sv, false, 0},       {1, ""sv, "a"sv, false, 0},
        {1, "abc"sv, ""sv, false, 0},        {1, "ab"sv, "abc"sv, false, 0},
        {1, "ab\rab"sv, "ba"sv, false, 0},  // the text ends at its CR
        {1, "abab"sv, "ba\rzz"sv, false, 2}, {1, "x\xE9y"sv, "\xC9"sv, true, 0},  // only a-z fold
        {1, "a@b"sv, "`"sv, true, 0},        {1, "Zz"sv, "zZ"sv, true, 1},
        {1, kOverLong, "x"sv, false, -1},    {1, "x"sv, kOverLong, false, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InString(c.start, c.text, c.pattern, c.ignoreCase), c.expected)
            << c.start << " '" << c.text << "' '" << c.pattern << "'";
    }
}

TEST(TextTest, FindWordAcceptsOnlyTokens) {
    struct Case {
        int start;
        std::string_view text;
        std::string_view word;
        std::string_view before;
        std::string_view after;
        int expected;
    };
    const Case cases[] = {
        {1, "typedef struct _X"sv, "struct"sv, kBlanks, kBlanks, 9},
        {1, "mystruct x"sv, "struct"sv, kBlanks, kBlanks, 0},
        {1, "mystruct struct"sv, "struct"sv, kBlanks, kBlanks, 10},
        {1, "structs struct"sv, "struct"sv, kBlanks, kBlanks, 9},
        {1, "STRUCT"sv, "struct"sv, kBlanks, kBlanks, 1},
        {1, "x struct\r\nmore"sv, "struct"sv, kBlanks, kBlanks, 3},
        {1, "x struct\0more"sv, "struct"sv, kBlanks, kBlanks, 3},
        {1, "mystruct"sv, "struct"sv, ""sv, kBlanks, 3},
        {1, "a=(X)"sv, "X"sv, kOperatorDelims, kOperatorDelims, 4},
        {1, "a=X_Y"sv, "X"sv, kOperatorDelims, kOperatorDelims, 0},
        {4, "if if"sv, "if"sv, kBlanks, kBlanks, 4},
        {5, "if if"sv, "if"sv, kBlanks, kBlanks, 0},
        // After a rejected "aba" at 2 the search goes on at 5, so the token at 4 is not seen.
        {1, "xababa"sv, "aba"sv, "b"sv, ""sv, 0},
        {1, kOverLong, "x"sv, kBlanks, kBlanks, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindWord(c.start, c.text, c.word, true, c.before, c.after), c.expected)
            << c.start << " '" << c.text << "' '" << c.word << "'";
    }
}

TEST(TextTest, NumberConversions) {
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(-12), "-12");
    EXPECT_EQ(NumberToText(std::numeric_limits<int32_t>::min()), "-2147483648");

    struct Case {
        std::string_view digits;
        uint32_t expected;
    };
    const Case cases[] = {
        {""sv, 0},           {"0"sv, 0}, {"0123"sv, 123}, {"4294967295"sv, 4294967295u},
        {"4294967296"sv, 0},  // wraps modulo 2^32
        {"12\r\n34"sv, 12},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.digits), c.expected) << c.digits;
}

TEST(TextTest, HexToNumberDropsOneSuffixAndKeepsTheLastEightDigits) {
    struct Case {
        std::string_view text;
        bool ok;
        uint32_t value;
    };
    const Case cases[] = {
        {"10"sv, true, 0x10},
        {"10h"sv, true, 0x10},
        {"ffH"sv, true, 0xFF},
        {"DEADbeef"sv, true, 0xDEADBEEF},
        {"123456789"sv, true, 0x23456789},
        {"0FFFFFFFFh"sv, true, 0xFFFFFFFF},
        {""sv, false, 0},
        {"h"sv, false, 0},
        {"12hh"sv, false, 0},
        {"1g"sv, false, 0},
        {"0x10"sv, false, 0},
        {" 10"sv, false, 0},
    };
    for (const Case& c : cases) {
        const HexNumber number = HexToNumber(c.text);
        EXPECT_EQ(number.ok, c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(number.value, c.value) << c.text;
        }
    }
}

}  // namespace
}  // namespace ondavel
