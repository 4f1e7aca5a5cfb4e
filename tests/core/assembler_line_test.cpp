#include "core/assembler_line.h"

#include <gtest/gtest.h>

#include <string>

namespace ondavel::testing {
namespace {

// The assembler joins a line that ends with '\' to the next one and drops the '\'; CR LF
// alone ends a logical line.
TEST(AssemblerLineTest, MeasuresTheLongestLogicalLine) {
    const struct {
        std::string text;
        size_t longest;
    } rows[] = {
        {"abc \\\r\nde \\\r\nf\r\nabcdef", 8},  // two continuations: "abc de f"
        {"a\\b\r\nc", 3},                       // a '\' inside a line continues nothing
        {"ab\rcd\r\ne", 5},                     // a lone CR ends no line
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(LongestLogicalLine(row.text), row.longest);
    }
}

}  // namespace
}  // namespace ondavel::testing
