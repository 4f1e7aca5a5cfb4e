#include "core/text_hash.h"

#include <gtest/gtest.h>

#include <string>

namespace ondavel {
namespace {

// Case-blind, a text and its other-case spelling hash alike at every length the hash reads
// differently (one to three bytes, four to seven, eight, and blocks with a tail), and a change
// of one byte anywhere, the first or the last, changes the hash.
TEST(TextHashTest, CaseBlindAlikeAndEveryByteCounts) {
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
    for (size_t length = 1; length <= 20; ++length) {
        const std::string text = upper.substr(0, length);
        std::string lower = text;
        for (char& c : lower) c = static_cast<char>(c + 32);
        EXPECT_EQ(HashText(text, kCaseBlind), HashText(lower, kCaseBlind)) << length;
        EXPECT_NE(HashText(text), HashText(lower)) << length;
        for (const size_t at : {size_t{0}, length / 2, length - 1}) {
            std::string changed = text;
            changed[at] = '7';
            EXPECT_NE(HashText(text, kCaseBlind), HashText(changed, kCaseBlind)) << length;
        }
    }
    // A shorter text is not the longer one with NULs after it.
    EXPECT_NE(HashText("AB"), HashText(std::string_view("AB\0", 3)));
}

}  // namespace
}  // namespace ondavel
