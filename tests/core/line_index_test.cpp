#include "core/line_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
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

// Texts of every shape (lone CRs and LFs, NULs, a CR at the end, lines of 1,039 and 1,040
// characters, two bytes or fewer) read as a plain split at each CR LF reads them, the bytes
// after the last one a line of their own. A line is copied as CopyLine copies it, whether or
// not the index knows that no line holds a NUL or a CR.
// A file's bytes handed over in pieces of random sizes and indexed as they are expanded read as
// their expanded text indexed.
void ExpectExpandingIndexesAsBuildDoes(std::string_view bytes, std::mt19937& random) {
    std::string expanded;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) expanded += '\r';
        expanded += bytes[i];
    }
    std::string_view rest = bytes;
    const auto next = [&] {
        const std::string_view piece = rest.substr(0, 1 + random() % 4);
        rest.remove_prefix(piece.size());
        return piece;
    };
    LineIndex built, expanding;
    ASSERT_EQ(expanding.BuildExpanding(bytes.size(), next), built.Build(expanded));
    EXPECT_EQ(expanding.text(), built.text());
    ASSERT_EQ(expanding.lines(), built.lines());
    EXPECT_EQ(expanding.TerminatorFree(), built.TerminatorFree());
    for (uint32_t n = 1; n <= built.lines(); ++n) {
        std::string_view expected, line;
        built.Line(n, expected);
        expanding.Line(n, line);
        EXPECT_EQ(line, expected) << n;
        EXPECT_EQ(expanding.IsTerminated(n), built.IsTerminated(n)) << n;
    }
}

TEST(LineIndexTest, ReadsRandomTextsAsAPlainSplitDoes) {
    const std::string full(1039, 'x'), overLong(1040, 'y');
    const std::string pieces[] = {"a", "bc", "\r", "\n", "\r\n", "\r\n", "\0"s, full, overLong};
    std::mt19937 random(20240611);
    LineIndex index;  // built again each round: nothing of the text before may remain
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (size_t n = random() % 12; n > 0; --n) {
            const size_t piece = random() % std::size(pieces);
            if (piece < 7 || random() % 8 == 0) text += pieces[piece];
        }
        std::vector<std::string_view> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != text.npos; start = end + 2) {
            lines.push_back(std::string_view(text).substr(start, end - start));
        }
        const size_t terminated = lines.size();
        if (start < text.size()) lines.push_back(std::string_view(text).substr(start));
        SCOPED_TRACE(text.substr(0, 40));
        ExpectExpandingIndexesAsBuildDoes(text, random);
        ASSERT_EQ(index.Build(text), text.size() > 2);
        std::string_view line;
        if (text.size() <= 2) {
            EXPECT_EQ(index.lines(), 0u);
            EXPECT_FALSE(index.Line(1, line));
            continue;
        }
        ASSERT_EQ(index.lines(), lines.size());
        EXPECT_EQ(index.Lines(1, index.lines()), text);
        bool terminatorFree = true;
        size_t longestLength = 0;
        uint32_t longestNumber = 0;
        for (uint32_t n = 1; n <= lines.size(); ++n) {
            ASSERT_TRUE(index.Line(n, line));
            EXPECT_EQ(line, lines[n - 1]) << n;
            EXPECT_EQ(index.IsTerminated(n), n <= terminated) << n;
            terminatorFree &= line.find_first_of("\r\0"sv) == line.npos;
            if (line.size() > longestLength) {
                longestLength = line.size();
                longestNumber = n;
            }
            std::string expected = "untouched";
            std::string copied = expected;
            EXPECT_EQ(CopyIndexedLine(index, copied, line), CopyLine(expected, line)) << n;
            EXPECT_EQ(copied, expected) << n;
        }
        EXPECT_EQ(index.TerminatorFree(), terminatorFree);
        uint32_t number = 0;
        EXPECT_EQ(index.Longest(number).length, longestLength);
        EXPECT_EQ(number, longestNumber);
    }
}

// What a translation has consumed is hidden from every later reader; the rest stays.
TEST(LineIndexTest, BlankedAndEmptiedLinesReadSo) {
    LineIndex index;
    ASSERT_TRUE(index.Build("a.h\r\nextern \"C\" b.h\r\nc.h"));
    std::string_view line;
    EXPECT_FALSE(index.Line(0, line));
    EXPECT_FALSE(index.Line(4, line));
    index.BlankStart(2, 10);
    index.BlankStart(3, 99);  // no further than the line's end
    index.EmptyLine(1);
    index.EmptyLine(9);
    std::string lines;
    for (uint32_t n = 1; index.Line(n, line); ++n) lines.append(n > 1 ? "|" : "").append(line);
    EXPECT_EQ(lines, "|           b.h|   ");
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
    const std::pair<std::string, std::string> cases[] = {{"\nx\0y"s, "\r\nx\0y"s},
                                                         {"a\nb\r\n\r\n\n", "a\r\nb\r\n\r\n\r\n"},
                                                         {"a\rb\r\n", "a\rb\r\n"},
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
    // /proc/self/mem is a regular file whose first read fails (nothing is mapped at 0).
    for (std::string name :
         {"absent.h", "folder", "/dev/null", "/proc/self/mem", error ? "folder" : "big.bin"}) {
        RecordingHost host;
        std::string text = "stale";
        EXPECT_FALSE(LoadFile(host, name, text)) << name;
        EXPECT_TRUE(text.empty()) << name;
        LineIndex index;
        EXPECT_EQ(LoadIndexedFile(host, name, index), LoadedIndex::Failed) << name;
        EXPECT_EQ(index.lines(), 0u) << name;
        ASSERT_EQ(host.messages.size(), 2u) << name;
        EXPECT_EQ(host.messages[0].caption, name == "absent.h" ? "SetTestFichier" : "LoadFile");
        EXPECT_EQ(host.messages[1].caption, host.messages[0].caption) << name;
    }
    const std::pair<std::string, int> patterns[] = {
        {"big.bin", 1}, {"b?g.*", 1}, {(dir_.path() / "*.bin").string(), 1}, {"*.h", 0}, {"", 0}};
    for (const auto& [pattern, found] : patterns) EXPECT_EQ(FileExists(pattern), found) << pattern;
}

}  // namespace
}  // namespace ondavel
