#include "core/line_index.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "support/recording_host.h"

namespace ondavel {
namespace {

using namespace std::string_view_literals;
using ondavel::testing::RecordingHost;
namespace fs = std::filesystem;

std::vector<std::string> AllLines(LineIndex& index) {
    std::vector<std::string> lines;
    std::string_view line;
    for (uint32_t n = 1; GetLine(index, n, line); ++n) lines.emplace_back(line);
    return lines;
}

int RunCommand(LineIndex& index, LineCommand command) {
    index.command = command;
    return LineIndexCommand(index);
}

void BuildFrom(LineIndex& index, std::string_view text) {
    index.text = std::string(text);
    ASSERT_EQ(RunCommand(index, LineCommand::Build), 1) << text;
}

TEST(LineIndexTest, LinesEndWithCrLfOnly) {
    struct Case {
        std::string_view text;
        uint32_t lineCount;
        uint32_t tailLine;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\nb\r\n"sv, 1, 0, {"a\nb"}},
        {"a\r\r\nb"sv, 1, 1, {"a\r", "b"}},
        {"ab\r\ncd\r\n"sv, 2, 0, {"ab", "cd"}},
        {"ab\r\ncd"sv, 1, 1, {"ab", "cd"}},
        {"ab\r\ncd\r"sv, 1, 1, {"ab", "cd\r"}},
        {"\r\n\r\n"sv, 2, 0, {"", ""}},
        {"abc"sv, 0, 1, {"abc"}},
        {"x\r\n\ny\r\n"sv, 2, 0, {"x", "\ny"}},
        {"a\0b\r\nc"sv, 1, 1, {std::string("a\0b", 3), "c"}},
        // Bytes after the last CR LF are a line of their own, whatever they end with.
        {"ab\r\ncd\n"sv, 1, 1, {"ab", "cd\n"}},
        {"a\rb\n"sv, 0, 1, {"a\rb\n"}},
    };
    for (const Case& c : cases) {
        LineIndex index;
        BuildFrom(index, c.text);
        EXPECT_EQ(index.lineCount, c.lineCount) << c.text;
        EXPECT_EQ(index.tailLine, c.tailLine) << c.text;
        EXPECT_EQ(index.lines(), c.lines.size()) << c.text;
        EXPECT_EQ(AllLines(index), c.lines) << c.text;
    }
}

TEST(LineIndexTest, EveryLengthAndAlignmentOfLines) {
    std::string text;
    std::vector<std::string> expected;
    for (int length = 0; length < 100; ++length) {
        expected.push_back(
            std::string(static_cast<size_t>(length), static_cast<char>('a' + length % 26)));
        // A lone CR or LF inside a line does not end it.
        if (length % 7 == 3) expected.back()[1] = '\r';
        if (length % 5 == 4) expected.back()[0] = '\n';
        text += expected.back() + "\r\n";
    }
    LineIndex index;
    BuildFrom(index, text);
    EXPECT_EQ(index.lineCount, 100u);
    EXPECT_EQ(index.tailLine, 0u);
    EXPECT_EQ(AllLines(index), expected);
}

TEST(LineIndexTest, LongestTerminatedLineFirstOneWins) {
    LineIndex index;
    BuildFrom(index, "ab\r\nabcd\r\nwxyz\r\nthe longest is the tail");
    EXPECT_EQ(index.longestLength, 4u);
    EXPECT_EQ(index.longestLineNumber, 2u);
}

TEST(LineIndexTest, TinyTextsAndUnknownCommandsAreRefused) {
    const LineCommand commands[] = {LineCommand::Build, LineCommand::Get, LineCommand::GetLine,
                                    LineCommand::TerminateLines};
    for (std::string_view text : {""sv, "a"sv, "\r\n"sv, "ab"sv}) {
        for (LineCommand command : commands) {
            LineIndex index;
            index.text = std::string(text);
            index.lineNumber = 1;
            EXPECT_EQ(RunCommand(index, command), 0)
                << "'" << text << "' command " << static_cast<int>(command);
        }
    }
    // Releasing is never refused: a tiny input must not keep its output file open.
    LineIndex tiny;
    tiny.text = "ab";
    tiny.outputHandle = std::tmpfile();
    EXPECT_EQ(RunCommand(tiny, LineCommand::Release), 1);
    EXPECT_EQ(tiny.outputHandle, nullptr);
    EXPECT_EQ(tiny.text, "");

    LineIndex index;
    BuildFrom(index, "abc\r\n");
    EXPECT_EQ(RunCommand(index, LineCommand::None), 0);
    EXPECT_EQ(RunCommand(index, static_cast<LineCommand>(6)), 0);
}

TEST(LineIndexTest, GetRefusesLinesOutsideTheFile) {
    LineIndex index;
    index.text = "one\r\ntwo";
    index.lineNumber = 1;
    EXPECT_EQ(RunCommand(index, LineCommand::Get), 0) << "not built yet";
    ASSERT_EQ(RunCommand(index, LineCommand::Build), 1);
    for (uint32_t n : {0u, 3u, 100u}) {
        index.lineNumber = n;
        EXPECT_EQ(RunCommand(index, LineCommand::Get), 0) << n;
    }
    index.lineNumber = 2;
    ASSERT_EQ(RunCommand(index, LineCommand::Get), 1);
    EXPECT_EQ(std::string_view(index.linePointer, index.lineLength), "two");
}

TEST(LineIndexTest, EditsThroughALinePointerAreSeenByLaterReaders) {
    LineIndex index;
    BuildFrom(index, "abc\r\ndef\r\n");
    index.lineNumber = 2;
    ASSERT_EQ(RunCommand(index, LineCommand::GetLine), 1);
    index.linePointer[0] = ' ';
    std::string_view line;
    ASSERT_TRUE(GetLine(index, 2, line));
    EXPECT_EQ(line, " ef");
}

TEST(LineIndexTest, ReleaseZeroesTheRecordAndClosesTheOutput) {
    LineIndex index;
    BuildFrom(index, "abc\r\ndefgh\r\ni");
    index.outputHandle = std::tmpfile();
    ASSERT_NE(index.outputHandle, nullptr);
    ASSERT_EQ(RunCommand(index, LineCommand::Release), 1);
    EXPECT_TRUE(index.text.empty() && index.lineTable.empty());
    EXPECT_EQ(index.outputHandle, nullptr);
    const uint32_t fields[] = {index.lineCount,  index.tailLine,      index.lineNumber,
                               index.lineLength, index.longestLength, index.longestLineNumber};
    for (uint32_t field : fields) EXPECT_EQ(field, 0u);
    EXPECT_EQ(index.linePointer, nullptr);
    EXPECT_EQ(index.command, LineCommand::None);
}

TEST(LineIndexTest, TerminateLinesMakesEachLineANulTerminatedName) {
    LineIndex index;
    index.text = "a.h\r\nb.h\r\nc.h";
    EXPECT_EQ(RunCommand(index, LineCommand::TerminateLines), 0) << "no table yet";
    ASSERT_EQ(RunCommand(index, LineCommand::Build), 1);
    ASSERT_EQ(RunCommand(index, LineCommand::TerminateLines), 1);
    EXPECT_EQ(index.text, "a.h\0\0b.h\0\0c.h"sv);
    EXPECT_EQ(index.lines(), 3u);

    LineIndex single;
    BuildFrom(single, "only.h");
    EXPECT_EQ(RunCommand(single, LineCommand::TerminateLines), 1);
    EXPECT_EQ(single.text, "only.h");
}

// A fresh directory, made current for the length of a test, removed afterwards.
class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ondavel-file-io-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(directory_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(directory_);
    }
    std::string Write(const std::string& name, std::string_view bytes) {
        const fs::path path = directory_ / name;
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path directory_;
    fs::path previous_;
    RecordingHost host_;
};

TEST_F(FileIoTest, FilesWithoutCrReadEachLfAsCrLf) {
    struct Case {
        std::string_view bytes;
        std::string_view loaded;
    };
    const Case cases[] = {
        {"a\nb\n"sv, "a\r\nb\r\n"sv},       {"\n\n"sv, "\r\n\r\n"sv},
        {"no line end"sv, "no line end"sv}, {"x\0y\nz"sv, "x\0y\r\nz"sv},
        {"a\nb\r\n"sv, "a\nb\r\n"sv},  // one CR anywhere: read as it stands
        {"a\n\rb\n"sv, "a\n\rb\n"sv},       {""sv, ""sv},
    };
    for (const Case& c : cases) {
        const std::string path = Write("case.txt", c.bytes);
        std::string text = "stale";
        EXPECT_EQ(LoadFile(host_, path, text), 1) << c.bytes;
        EXPECT_EQ(text, c.loaded);
    }
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(FileIoTest, PlainNamesResolveInTheCurrentDirectory) {
    const std::string path = Write("plain.txt", "x");
    EXPECT_EQ(ResolvePath(host_, "plain.txt"), fs::current_path().string() + "/plain.txt");
    EXPECT_EQ(ResolvePath(host_, path), path);
    fs::create_directory(directory_ / "sub");
    Write("sub/inner.txt", "y");
    EXPECT_EQ(ResolvePath(host_, "sub/inner.txt"), "sub/inner.txt");
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(FileIoTest, MissingFileIsShownAndLoadsNothing) {
    std::string text = "stale";
    EXPECT_EQ(LoadFile(host_, "absent.h", text), 0);
    EXPECT_TRUE(text.empty());
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].caption, "SetTestFichier");
    EXPECT_NE(host_.messages[0].text.find("/absent.h"), std::string::npos);
    EXPECT_EQ(host_.messages[0].icon, MessageIcon::Stop);
}

TEST_F(FileIoTest, UnreadableKindsAreRefusedWithLoadFile) {
    fs::create_directory(directory_ / "folder");
    const std::string big = Write("big.bin", "");
    std::error_code error;
    fs::resize_file(big, 0x100000000ull, error);  // sparse: 4 GiB take no room
    std::vector<std::string> names = {"folder", "/dev/null"};
    if (!error) names.push_back(big);
    for (const std::string& name : names) {
        RecordingHost host;
        std::string text = "stale";
        EXPECT_EQ(LoadFile(host, name, text), 0) << name;
        EXPECT_TRUE(text.empty()) << name;
        ASSERT_EQ(host.messages.size(), 1u) << name;
        EXPECT_EQ(host.messages[0].caption, "LoadFile") << name;
    }
}

TEST_F(FileIoTest, ATenMegabyteLineIsOneTailLine) {
    const std::string line(10 * 1024 * 1024, 'q');
    Write("long.h", line);
    LineIndex index;
    ASSERT_EQ(LoadFile(host_, "long.h", index.text), 1);
    ASSERT_EQ(RunCommand(index, LineCommand::Build), 1);
    EXPECT_EQ(index.lineCount, 0u);
    EXPECT_EQ(index.tailLine, 1u);
    std::string_view first;
    ASSERT_TRUE(GetLine(index, 1, first));
    EXPECT_EQ(first.size(), line.size());
}

TEST_F(FileIoTest, FileExistsMatchesNamesAndPatterns) {
    Write("one.txt", "1");
    Write("two.h", "2");
    struct Case {
        std::string pattern;
        int expected;
    };
    const Case cases[] = {
        {"one.txt", 1}, {"*.txt", 1},   {"t?o.h", 1}, {(directory_ / "*.h").string(), 1},
        {"*.sdk", 0},   {"three.h", 0}, {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FileExists(c.pattern), c.expected) << c.pattern;
}

}  // namespace
}  // namespace ondavel
