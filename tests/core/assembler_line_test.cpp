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
        {"", 0},
        {"abc", 3},
        {"abc\r\nabcdef\r\nab", 6},
        {"abc \\\r\n\t\tdef\r\nabcdef", 9},  // "abc " and "\t\tdef" are one line
        {"abc \\\r\nde \\\r\nf", 8},         // two continuations, the last line unended
        {"a\\b\r\nc", 3},                    // a '\' inside a line continues nothing
        {"ab\rcd\r\ne", 5},                  // a lone CR ends no line
        {std::string(512, 'A') + "\r\n", kAssemblerLineLimit},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(LongestLogicalLine(row.text), row.longest);
    }
}

}  // namespace
}  // namespace ondavel::testing
