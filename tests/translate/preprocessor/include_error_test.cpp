#include <gtest/gtest.h>

#include <string>

#include "preprocessor/directives.h"
#include "statements/statement_scan.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class IncludeErrorTest : public HeaderFixture {
  protected:
    void TranslateErrorInto(const std::string& text, HeapBlock& block) {
        LineIndex& index = Header(text);
        ASSERT_TRUE(ScanStatement(session, 1, index));
        TranslateError(session, {index, 1}, &block);
    }
};

// Inside structures and prototypes the .ERR line is held back as one piece of the block; a
// message continued by a backslash gives none.
TEST_F(IncludeErrorTest, AnErrorForADestinationBecomesOnePieceOfIt) {
    HeapBlock block;
    TranslateErrorInto("#error A & B // x | y\r\n", block);
    TranslateErrorInto("#error Too \\\r\n  long\r\n", block);
    TranslateErrorInto("#error\r\n", block);
    EXPECT_EQ(block.view(), std::string(".ERR <A   B>; x   y\0.ERR <>\0", 28));
    EXPECT_EQ(host.view, "");
}

}  // namespace
}  // namespace ondavel::testing
