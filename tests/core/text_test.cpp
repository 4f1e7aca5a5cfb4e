#include "core/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace ondavel {
namespace {

using namespace std::string_view_literals;

const std::string kLongest(1039, 'x');  // the longest text a line buffer holds
const std::string kOverLong(1040, 'x');

// Short texts are read in overlapping halves: every length up to two blocks, from every place,
// finds the first character of the set at or after it, as a plain scan does.
TEST(TextTest, FindAnyOfAgreesWithAPlainScanFromEveryPlace) {
    using namespace std::string_literals;
    const std::string pattern =
        "a/b\0c/\rd'e\x80/\xAF"
        "f"s;
    for (size_t length = 0; length <= 33; ++length) {
        std::string text;
        for (size_t i = 0; i < length; ++i) text += pattern[(i * 5) % pattern.size()];
        for (const std::string_view set :
             {std::string_view("/"), std::string_view("\0\r", 2), std::string_view("'/\"")}) {
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
    const auto put = [&text](size_t at, std::string_view what) {
        text.replace(at, what.size(), what);
    };
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
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\001\037a b \t", "a b"}, {" \xA0x\xA0 ", "\xA0x\xA0"}, {"  a  \r  b", "a"}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(TrimText(text), expected) << text;
}

// Every text of up to forty characters drawn from letters of both cases, characters that differ
// from them by the same bit ('@' and '`', '[' and '{', '\xC1' and '\xE1'), blanks, CRs and NULs,
// across the sixteen-character blocks, is searched as a plain comparison at each place searches
// it: up to the first NUL or CR, only a-z folded onto A-Z when case is ignored, and a word found
// only as a token, the search going on past the whole of an occurrence it rejects.
TEST(TextTest, SearchesAgreeWithAPlainComparison) {
    const std::string_view alphabet = "aAbB@`[{\xC1\xE1_ \r\0"sv;
    // Where pattern (not empty) stands in text from `from` on, 1-based; 0 when nowhere.
    const auto plain = [](std::string_view text, size_t from, std::string_view pattern,
                          Case letters) {
        const auto fold = [letters](char c) { return letters == Case::Ignore ? FoldCase(c) : c; };
        for (size_t at = from; at + pattern.size() <= text.size(); ++at) {
            bool same = true;
            for (size_t i = 0; i < pattern.size(); ++i) {
                same = same && fold(text[at + i]) == fold(pattern[i]);
            }
            if (same) return static_cast<int>(at) + 1;
        }
        return 0;
    };
    const std::string_view tokenEnds[] = {"", " ", "_[", "aB"};
    std::mt19937 random(12345);
    const auto next = [&] { return alphabet[random() % alphabet.size()]; };
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<size_t>(round % 41), ' ');
        for (char& c : text) c = next();
        std::string pattern(static_cast<size_t>(1 + round % 3), ' ');
        for (char& c : pattern) c = next();
        const Case letters = round % 4 < 2 ? Case::Ignore : Case::Exact;
        // Every other pattern is a piece of the text, its letters' cases swapped when case is
        // ignored: found there unless a terminator comes first.
        if (round % 2 == 0 && pattern.size() <= text.size()) {
            const size_t at = random() % (text.size() - pattern.size() + 1);
            for (size_t i = 0; i < pattern.size(); ++i) {
                const char c = text[at + i];
                pattern[i] =
                    IsLetter(c) && letters == Case::Ignore ? static_cast<char>(c ^ 0x20) : c;
            }
        }
        const std::string_view cut = std::string_view(text).substr(0, text.find_first_of("\r\0"sv));
        const std::string_view word =
            std::string_view(pattern).substr(0, pattern.find_first_of("\r\0"sv));
        const int start = static_cast<int>(random() % 6);
        const std::string_view before = tokenEnds[random() % 4], after = tokenEnds[random() % 4];
        SCOPED_TRACE(::testing::Message() << start << " '" << text << "' '" << pattern << "' '"
                                          << before << "' '" << after << "'");
        int found = start < 1 || word.empty() ? 0 : plain(cut, start - 1, word, letters);
        EXPECT_EQ(InString(start, text, pattern, letters).value_or(0), found);
        if (letters == Case::Ignore) {
            EXPECT_EQ(HoldsIgnoringCase(text, pattern), plain(text, 0, pattern, letters) != 0);
        }
        while (found != 0) {
            const size_t first = static_cast<size_t>(found) - 1, end = first + word.size();
            if ((first == 0 || before.empty() || before.find(cut[first - 1]) != before.npos) &&
                (end == cut.size() || after.empty() || after.find(cut[end]) != after.npos)) {
                break;
            }
            found = plain(cut, end, word, letters);
        }
        EXPECT_EQ(FindWord(start, text, pattern, letters, before, after).value_or(0), found);
    }
}

TEST(TextTest, NumberConversions) {
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
