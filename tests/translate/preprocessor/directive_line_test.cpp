#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "preprocessor/directive_line.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class DirectiveLineTest : public HeaderFixture {};

// Reading a directive line gives what copying it and splitting the copy give: the parts, the
// answer, and the comment left open, from outside a comment and from inside one. Lines without
// a comment are read where they stand; the others, and every line of a text that holds a NUL,
// are copied.
TEST_F(DirectiveLineTest, ReadingALineAgreesWithCopyingAndSplittingIt) {
    const std::string lines[] = {
        "#endif",
        "  #endif  \t",
        "#ifdef  NAME ",
        "#include \"sub/a.h\"",
        "#include <a.h> // why",
        "#endif /* _A_H */",
        "#ifndef X /* opens",
        "#endif */ after",
        "#include \"a//b.h\"",
        "#endif \x01",
        std::string(kLineLimit - 1, 'x'),
        std::string(kLineLimit, 'x'),
    };
    for (const bool terminatorFree : {true, false}) {
        for (const std::string& line : lines) {
            const std::string text = line + "\r\n" + (terminatorFree ? "" : std::string(1, '\0'));
            for (const bool commentOpen : {false, true}) {
                SCOPED_TRACE(::testing::Message() << '"' << line.substr(0, 40) << "\" "
                                                  << commentOpen << terminatorFree);
                const StatementSpan directive{Header(text), 1};
                session.header.inBlockComment = commentOpen;
                DirectiveParts read;
                read.comment = "left from before";
                const bool readAnswer = ReadDirectiveLine(session, directive, read);
                const bool readOpen = session.header.inBlockComment;

                session.header.inBlockComment = commentOpen;
                DirectiveParts split;
                std::string copy;
                const bool copied = CopyDirectiveLine(directive, copy);
                if (copied) SplitDirectiveLine(session, copy, split);

                EXPECT_EQ(readAnswer, copied);
                if (!copied) continue;
                EXPECT_EQ(read.code, split.code);
                EXPECT_EQ(read.comment, split.comment);
                EXPECT_EQ(readOpen, session.header.inBlockComment);
            }
        }
    }
}

}  // namespace
}  // namespace ondavel::testing
