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

// A header's output file gets every line written for it, however many, and none of the lines
// of a translation that failed on the header before it. An empty text writes nothing.
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
                            WriteOutputLine(s, "");  // no line at all
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

}  // namespace
}  // namespace ondavel::testing
