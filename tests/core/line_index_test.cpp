#include "core/line_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/file_io.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel {
namespace {

using namespace std::string_view_literals;
using ondavel::testing::RecordingHost;
namespace fs = std::filesystem;

int Exec(LineIndex& index, LineCommand command) {
    index.command = command;
    return LineIndexCommand(index);
}

// Builds the index of text and reads back its lines, joined by '|'.
std::string BuiltLines(LineIndex& index, std::string_view text) {
    index.text = std::string(text);
    EXPECT_EQ(Exec(index, LineCommand::Build), 1) << text;
    std::string lines;
    std::string_view line;
    for (uint32_t n = 1; GetLine(index, n, line); ++n) lines.append(n > 1 ? "|" : "").append(line);
    return lines;
}

// Bytes after the last CR LF form a line, even when they end with a lone LF.
TEST(LineIndexTest, LinesEndWithCrLfOnlyAndTheRestIsATailLine) {
    const std::tuple<std::string_view, uint32_t, uint32_t, std::string_view> cases[] = {
        {"a\nb\r\n", 1, 0, "a\nb"}, {"a\r\r\nb", 1, 1, "a\r|b"}, {"ab\r\ncd\r\n", 2, 0, "ab|cd"},
        {"\r\n\r\n", 2, 0, "|"},    {"abc", 0, 1, "abc"},        {"ab\r\ncd\n", 1, 1, "ab|cd\n"}};
    for (const auto& [text, lineCount, tailLine, lines] : cases) {
        LineIndex index;
        EXPECT_EQ(BuiltLines(index, text), lines) << text;
        EXPECT_EQ(std::pair(index.lineCount, index.tailLine), std::pair(lineCount, tailLine));
    }
}

TEST(LineIndexTest, EveryLengthAndAlignmentOfLines) {
    std::string text, expected;
    for (size_t length = 0; length < 100; ++length) {
        std::string line(length, static_cast<char>('a' + length % 26));
        if (length % 7 == 3) line[1] = '\r';  // a lone CR or LF does not end a line
        if (length % 5 == 4) line[0] = '\n';
        text += line + "\r\n";
        expected += (length > 0 ? "|" : "") + line;
    }
    LineIndex index;
    EXPECT_EQ(BuiltLines(index, text), expected);
    // The longest CR LF-terminated line; on equal lengths the first one stays.
    BuiltLines(index, "ab\r\nabcd\r\nwxyz\r\nthe longest is the tail");
    EXPECT_EQ(std::pair(index.longestLength, index.longestLineNumber), std::pair(4u, 2u));
}

TEST(LineIndexTest, RefusesEveryCommandButReleaseOnATextOfTwoBytesOrLess) {
    for (std::string_view text : {""sv, "\r\n"sv, "ab"sv}) {
        LineIndex index;
        index.text = std::string(text);
        index.lineNumber = 1;
        for (int command : {1, 2, 3, 5}) EXPECT_EQ(Exec(index, LineCommand(command)), 0) << command;
        // Releasing is never refused, so that no input keeps its output file open.
        index.outputHandle = std::tmpfile();
        EXPECT_EQ(Exec(index, LineCommand::Release), 1) << text;
        EXPECT_EQ(index.outputHandle, nullptr);
    }
}

// Line pointers point into the text: an edit is seen by later readers.
TEST(LineIndexTest, GivesLinesByNumberToEditInPlaceUntilReleased) {
    LineIndex index;
    index.text = "a.h\r\nb.h\r\nc.h";
    index.lineNumber = 1;
    EXPECT_EQ(Exec(index, LineCommand::Get), 0) << "not built yet";
    EXPECT_EQ(Exec(index, LineCommand::TerminateLines), 0) << "not built yet";
    EXPECT_EQ(BuiltLines(index, index.text), "a.h|b.h|c.h");
    for (uint32_t n : {0u, 4u}) {
        index.lineNumber = n;
        EXPECT_EQ(Exec(index, LineCommand::Get), 0) << n;
    }
    for (int command : {0, 6}) EXPECT_EQ(Exec(index, LineCommand(command)), 0) << command;
    std::string_view line;
    ASSERT_TRUE(GetLine(index, 2, line));
    index.linePointer[0] = 'B';
    ASSERT_EQ(Exec(index, LineCommand::TerminateLines), 1);
    EXPECT_EQ(index.text, "a.h\0\0B.h\0\0c.h"sv);
    ASSERT_TRUE(GetLine(index, 2, line));
    EXPECT_EQ(line, "B.h");

    index.outputHandle = std::tmpfile();
    ASSERT_EQ(Exec(index, LineCommand::Release), 1);
    EXPECT_TRUE(index.text.empty() && index.lineTable.empty() && index.linePointer == nullptr);
    EXPECT_EQ(index.outputHandle, nullptr);
    EXPECT_EQ(index.lineCount | index.tailLine | index.lineNumber | index.lineLength |
                  index.longestLength | index.longestLineNumber | uint32_t(index.command),
              0u);
}

// A fresh directory, made current for the length of a test.
class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::current_path(dir_.path()); }
    void TearDown() override { fs::current_path(previous_); }

    fs::path previous_ = fs::current_path();
    testing::TempDir dir_;
};

// A plain name is looked for in the current directory. Each LF without a CR before it is read
// as CR LF, also in a file that mixes both line ends; a lone CR stays as it is.
TEST_F(FileIoTest, LoadsFilesReadingEachLoneLfAsCrLf) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"a\nb\n"sv, "a\r\nb\r\n"sv},
        {"\nx\0y"sv, "\r\nx\0y"sv},
        {"a\nb\r\n\r\n\n"sv, "a\r\nb\r\n\r\n\r\n"sv},
        {"a\rb\r\n"sv, "a\rb\r\n"sv}};
    RecordingHost host;
    for (const auto& [bytes, loaded] : cases) {
        testing::WriteBytes("case.txt", bytes);
        std::string text = "stale";
        EXPECT_TRUE(LoadFile(host, "case.txt", text)) << bytes;
        EXPECT_EQ(text, loaded);
    }
    EXPECT_EQ(ResolvePath(host, "case.txt"), fs::current_path().string() + "/case.txt");
    fs::create_directory("sub");
    testing::WriteBytes("sub/inner.txt", "y");
    EXPECT_EQ(ResolvePath(host, "sub/inner.txt"), "sub/inner.txt");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FileIoTest, FindsNamesAndPatternsAndShowsWhatItCannotLoad) {
    fs::create_directory("folder");
    testing::WriteBytes("big.bin", "");
    std::error_code error;
    fs::resize_file("big.bin", 0x100000000ull, error);  // sparse: 4 GiB take no room
    for (std::string name : {"absent.h", "folder", "/dev/null", error ? "folder" : "big.bin"}) {
        RecordingHost host;
        std::string text = "stale";
        EXPECT_FALSE(LoadFile(host, name, text)) << name;
        EXPECT_TRUE(text.empty()) << name;
        ASSERT_EQ(host.messages.size(), 1u) << name;
        EXPECT_EQ(host.messages[0].caption, name == "absent.h" ? "SetTestFichier" : "LoadFile");
    }
    const std::pair<std::string, int> patterns[] = {
        {"big.bin", 1}, {"b?g.*", 1}, {(dir_.path() / "*.bin").string(), 1}, {"*.h", 0}, {"", 0}};
    for (const auto& [pattern, found] : patterns) EXPECT_EQ(FileExists(pattern), found) << pattern;
}

}  // namespace
}  // namespace ondavel
