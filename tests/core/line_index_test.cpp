#include "core/line_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/file_io.h"
#include "core/text.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using ondavel::testing::RecordingHost;
namespace fs = std::filesystem;

// The lines of index, joined by '|'.
std::string Joined(const LineIndex& index) {
    std::string lines;
    std::string_view line;
    for (uint32_t n = 1; index.Line(n, line); ++n) lines.append(n > 1 ? "|" : "").append(line);
    return lines;
}

// Builds the index of text and reads back its lines.
std::string BuiltLines(LineIndex& index, std::string_view text) {
    EXPECT_TRUE(index.Build(std::string(text))) << text;
    return Joined(index);
}

// An index knows whether any line holds a NUL or a CR; either way a line is copied as CopyLine
// copies it: up to its first terminator, and not at all from 1,040 characters on.
TEST(LineIndexTest, LinesAreCopiedAsCopyLineCopiesThemWithOrWithoutTerminators) {
    const std::string longLine(1040, 'x');
    const std::tuple<std::string, bool> cases[] = {
        {"a b\r\ncd\r\n", true},
        {"a\r\r\nb\r\n", false},  // a CR before the CR LF stands in the line
        {"ab\r\nc\rd", false},
        {"ab\r\ncd\r", false},  // a CR that ends the text ends no line
        {"a\0b\r\ncd\r\n"s, false},
        {"ab\r\n" + longLine + "\r\n" + longLine.substr(1) + "\r\n", true},
    };
    for (const auto& [text, free] : cases) {
        LineIndex index;
        ASSERT_TRUE(index.Build(text));
        EXPECT_EQ(index.TerminatorFree(), free) << text;
        std::string_view line;
        for (uint32_t n = 1; index.Line(n, line); ++n) {
            std::string expected = "untouched";
            std::string copied = expected;
            const bool copies = CopyLine(expected, line);
            EXPECT_EQ(CopyIndexedLine(index, copied, line), copies) << text << " " << n;
            EXPECT_EQ(copied, expected) << text << " " << n;
        }
    }
}

// Bytes after the last CR LF form a line, even when they end with a lone LF.
TEST(LineIndexTest, LinesEndWithCrLfOnlyAndTheRestIsATailLine) {
    const std::tuple<std::string_view, uint32_t, bool, std::string_view> cases[] = {
        {"a\nb\r\n", 1, true, "a\nb"},     {"a\r\r\nb", 2, false, "a\r|b"},
        {"ab\r\ncd\r\n", 2, true, "ab|cd"}, {"\r\n\r\n", 2, true, "|"},
        {"abc", 1, false, "abc"},          {"ab\r\ncd\n", 2, false, "ab|cd\n"}};
    for (const auto& [text, lines, lastTerminated, joined] : cases) {
        LineIndex index;
        EXPECT_EQ(BuiltLines(index, text), joined) << text;
        EXPECT_EQ(index.lines(), lines) << text;
        EXPECT_EQ(index.IsTerminated(lines), lastTerminated) << text;
        // A run of lines is the text they stand in, with the CR LF of each terminated one.
        EXPECT_EQ(index.Lines(1, lines), text);
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
    // The longest line, the tail line included; on equal lengths the first one stays.
    uint32_t number = 0;
    BuiltLines(index, "ab\r\nabcd\r\nwxyz\r\nabc");
    EXPECT_EQ(index.Longest(number).length, 4u);
    EXPECT_EQ(number, 2u);
    BuiltLines(index, "ab\r\nabcd\r\nthe tail is the longest");
    EXPECT_EQ(index.Longest(number).length, 23u);
    EXPECT_EQ(number, 3u);
}

TEST(LineIndexTest, ATextOfTwoBytesOrLessHasNoLine) {
    for (std::string_view text : {""sv, "\r\n"sv, "ab"sv}) {
        LineIndex index;
        EXPECT_TRUE(index.Build("a.h\r\nb.h"));
        EXPECT_FALSE(index.Build(std::string(text))) << text;
        std::string_view line;
        EXPECT_FALSE(index.Line(1, line)) << "the earlier text is gone";
        EXPECT_EQ(index.lines(), 0u);
    }
}

// What a translation has consumed is hidden from every later reader; the rest stays.
TEST(LineIndexTest, BlankedAndEmptiedLinesReadSo) {
    LineIndex index;
    EXPECT_EQ(BuiltLines(index, "a.h\r\nextern \"C\" b.h\r\nc.h"), "a.h|extern \"C\" b.h|c.h");
    std::string_view line;
    EXPECT_FALSE(index.Line(0, line));
    EXPECT_FALSE(index.Line(4, line));
    index.BlankStart(2, 10);
    index.BlankStart(3, 99);  // no further than the line's end
    index.EmptyLine(1);
    index.EmptyLine(9);
    EXPECT_EQ(Joined(index), "|           b.h|   ");
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
// as CR LF, also in a file that mixes both line ends, and where one read of sixteen KiB ends
// and the next begins; a lone CR stays as it is.
TEST_F(FileIoTest, LoadsFilesReadingEachLoneLfAsCrLf) {
    const std::string full((1 << 14) - 1, 'x');  // a read's bytes but the last one
    const std::pair<std::string, std::string> cases[] = {{"a\nb\n", "a\r\nb\r\n"},
                                                         {"\nx\0y"s, "\r\nx\0y"s},
                                                         {"a\nb\r\n\r\n\n", "a\r\nb\r\n\r\n\r\n"},
                                                         {"a\rb\r\n", "a\rb\r\n"},
                                                         {"\n\nab\r\ncd", "\r\n\r\nab\r\ncd"},
                                                         {full + "\r\nb\n", full + "\r\nb\r\n"},
                                                         {full + "a\nb\n", full + "a\r\nb\r\n"}};
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
