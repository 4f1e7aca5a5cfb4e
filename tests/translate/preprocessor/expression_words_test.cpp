#include "preprocessor/expression_words.h"

#include <gtest/gtest.h>

#include "session/session.h"

namespace ondavel {
namespace {

TEST(ExpressionWordsTest, RecognisesAndConvertsNumbers) {
    struct Case {
        const char* text;
        bool number;       // IsNumberText
        const char* masm;  // NumberToMasm, nullptr when it yields nothing
    } const cases[] = {
        {"0XFFi64", true, "0FFh"},
        {"1.5e3", true, "1.5e3"},
        {"", false, nullptr},
        {"0x", true, "0h"},
        // Single suffix letters stand for 0; the letters alone are no number.
        {"U", false, "0"},
        {"l", false, "0"},
        {"UL", false, nullptr},
        // Names spelled with hexadecimal letters stay names.
        {"FILL", false, "F"},
        {"-1", false, "-1"},
        {"12G", false, "12G"},
        {"0x1x", false, "01h"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumberText(c.text).isNumber, c.number) << c.text;
        std::string masm = "stale";
        EXPECT_EQ(NumberToMasm(c.text, masm), c.masm != nullptr) << c.text;
        if (c.masm != nullptr) {
            EXPECT_EQ(masm, c.masm) << c.text;
        }
    }
    EXPECT_TRUE(IsNumberText("0x10").isHex);
    EXPECT_FALSE(IsNumberText("10").isHex);
}

TEST(ExpressionWordsTest, ReversedTailsKeepThePlainCharacterRule) {
    // "16L" and "-1" read backwards, and a name made of number letters.
    for (const char* text : {"L61", "1-", "ABBA", "5"}) {
        EXPECT_TRUE(IsNumberCharacters(text).isNumber) << text;
    }
    for (const char* text : {"x", "B |", "1 2", "G1"}) {
        EXPECT_FALSE(IsNumberCharacters(text).isNumber) << text;
    }
}

TEST(ExpressionWordsTest, ChecksEquateNames) {
    for (const char* name : {"WM_USER", "", "_X1", "A.B", "X;"}) {
        EXPECT_TRUE(IsValidEquateName(name)) << name;
    }
    for (const char* name : {"A-B", "A B", "A<B", "A\\B", "A/B", "A*B", "A\tB", "A\x01"}) {
        EXPECT_FALSE(IsValidEquateName(name)) << name;
    }
}

}  // namespace
}  // namespace ondavel
