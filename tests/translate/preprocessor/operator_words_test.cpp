#include "preprocessor/operator_words.h"

#include <gtest/gtest.h>

namespace ondavel {
namespace {

std::string_view Found(const OperatorWord* op) {
    return op != nullptr ? op->c : "none";
}

// The longest spelling wins, and a left-out spelling gives way to the shorter operator it
// begins with (a #define value reads "!=" as NOT, and "<=" as no operator at all).
TEST(OperatorWordsTest, TakesTheLongestSpellingThatIsNotLeftOut) {
    EXPECT_EQ(Found(OperatorAt("!=b", {"!="})), "!");
    EXPECT_EQ(Found(OperatorAt("<=2", {"<=", "<"})), "none");
    EXPECT_EQ(Found(OperatorAt("%4", {"%"})), "none");
    EXPECT_EQ(Found(OperatorAt("=b")), "none");
    EXPECT_EQ(Found(OperatorAt("")), "none");
    EXPECT_EQ(MasmOperatorWord("="), "");
}

}  // namespace
}  // namespace ondavel
