#include "session/output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "session/indexed_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class OutputTest : public HeaderFixture {};

// A longer text is a block of lines that brings its own line ends; when its last line has
// none, it gets one, or the next text would join it.
TEST_F(OutputTest, EveryTextEndsItsLastLine) {
    const std::string line(1037, 'a'), block = std::string(1036, 'b') + "\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {line, line + "\r\n"}, {block, block}, {block + "IF X", block + "IF X\r\n"}, {"", ""}};
    for (const auto& [text, view] : cases) {
        host.view.clear();
        WriteOutputLine(session, text);
        EXPECT_EQ(host.view, view) << text;
    }
}

// A header's output file gets every line written for it, however many, and none of the lines
// of a translation that failed on the header before it.
TEST_F(OutputTest, AnOutputFileHoldsItsOwnLinesAndAllOfThem) {
    session.run.outputMode = OutputMode::File;
    const std::string input = dir_ / "in.h";
    WriteBytes(input, "int a;\r\n");
    const auto translate = [&](std::string_view output, FileProcessor processor) {
        LineIndex index;
        return OpenIndexedFile(session, input, index, dir_ / output, processor);
    };
    constexpr int kLines = 3000;  // some 120 KB
    EXPECT_EQ(translate("many.inc",
                        [](Session& s, LineIndex&) {
                            for (int n = 0; n < kLines; ++n) {
                                WriteOutputLine(s, "line " + std::to_string(n));
                            }
                            return true;
                        }),
              FileResult::Done);
    std::string many;
    for (int n = 0; n < kLines; ++n) many += "line " + std::to_string(n) + "\r\n";
    EXPECT_EQ(ReadBytes(dir_ / "many.inc"), many);

    EXPECT_THROW(translate("failed.inc",
                           [](Session& s, LineIndex&) -> bool {
                               WriteOutputLine(s, "lost");
                               throw std::runtime_error("failed");
                           }),
                 std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "failed.inc"));
    EXPECT_EQ(translate("next.inc",
                        [](Session& s, LineIndex&) {
                            WriteOutputLine(s, "kept");
                            return true;
                        }),
              FileResult::Done);
    EXPECT_EQ(ReadBytes(dir_ / "next.inc"), "kept\r\n");
}

TEST_F(OutputTest, JournalKeepsMessagesOf1To1036Characters) {
    OpenJournal(session);
    WriteJournalLine(session, std::string(1036, 'j'));
    WriteJournalLine(session, std::string(1037, 'k'));
    WriteJournalLine(session, "");
    WriteJournalLine(session, "erreur Analyse a la ligne: ", 12);
    EXPECT_EQ(Journal(), std::string(1036, 'j') + "\r\nerreur Analyse a la ligne: 12\r\n");
}

TEST_F(OutputTest, NextStatementLineReadsCodeAndWritesComments) {
    Header("int f(int a, // one\r\n\r\n  /* two */\r\n  int b);\r\nint g;\r\n");
    session.statement.counts.firstLine = 1;
    session.statement.counts.lastLine = 4;
    OpenJournal(session);
    StatementReader reader;
    reader.lineNumber = 1;
    reader.commentMode = CommentMode::Write;
    EXPECT_TRUE(NextStatementLine(session, session.run.inputIndex, reader));
    EXPECT_EQ(reader.workLine, "int b);");
    EXPECT_EQ(reader.lineNumber, 4u);
    EXPECT_EQ(host.view, ";/* two */ \r\n");
    // Reading past the statement's last line ends it, and says where.
    EXPECT_FALSE(NextStatementLine(session, session.run.inputIndex, reader));
    EXPECT_EQ(Journal(), "d\xE9passement bloc : 4\r\n");
}

TEST_F(OutputTest, NextStatementLineKeepsCommentsForTheCaller) {
    Header("a,\r\n// lone\r\nb; // tail\r\n");
    session.statement.counts.lastLine = 3;
    StatementReader reader;
    reader.lineNumber = 1;
    EXPECT_TRUE(NextStatementLine(session, session.run.inputIndex, reader));
    EXPECT_EQ(reader.workLine, "b;");
    EXPECT_EQ(reader.commentText, "; lone");
    EXPECT_EQ(reader.commentScratch, "; tail");
    EXPECT_TRUE(reader.hasComment);
    EXPECT_EQ(host.view, "");
}

}  // namespace
}  // namespace ondavel::testing
