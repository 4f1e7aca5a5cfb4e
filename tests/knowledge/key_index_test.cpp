#include "knowledge/key_index.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "knowledge/knowledge_scan.h"
#include "knowledge_fixture.h"

namespace ondavel {
namespace {

TEST(KnowledgeKeyIndexWords, AreAnsweredOnlyWhenTheScanWouldAgree) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"HWND", true},
        {"#define", true},
        {"", true},
        {std::string(2000, 'x'), true},
        {"\xE9t\xE9", true},
        {"A\nB", true},
        {"HWND DWORD", false},
        {"HWND\t", false},
        {"HWND=", false},
        {"HWND;", false},
        {"HWND\r", false},
        {std::string("HWND\0", 5), false},
    };
    for (const auto& [word, answered] : cases) {
        EXPECT_EQ(KnowledgeKeyIndex::Answers(word), answered) << word;
    }
}

std::string_view TrimForTest(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Every key of the file's lines, with variants around each one.
std::set<std::string> WordsAroundKeys(std::string_view text) {
    std::set<std::string> words;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string_view::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        const std::string_view line = TrimForTest(text.substr(start, end - start));
        const std::string key(line.substr(0, line.find_first_of(" \t=;")));
        std::string lower = key;
        std::string upper = key;
        for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
        for (char& c : upper) c = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
        const std::string variants[] = {
            key,
            lower,
            upper,
            key.substr(0, key.size() / 2),
            key + "X",
            key + " ",
            key + "=",
            key + ";",
            key + "\r",
            key + '\0',
            " " + key,
            key.empty() ? key : key.substr(1),
            "P" + key,
            std::string(line.substr(0, line.find('=') + 1)),
            std::string(line),
        };
        words.insert(std::begin(variants), std::end(variants));
    }
    return words;
}

// Words made of the characters that matter to the comparison, from a fixed seed.
std::vector<std::string> RandomWords(size_t count) {
    constexpr std::string_view kAlphabet = "HWNDwndPOITyEeAaQR_#= \t;\r\xE9\xC9";
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<size_t> length(0, 8);
    std::uniform_int_distribution<size_t> letter(0, kAlphabet.size());
    std::vector<std::string> words;
    for (size_t i = 0; i < count; ++i) {
        std::string word;
        for (size_t n = length(generator); n > 0; --n) {
            const size_t pick = letter(generator);
            word.push_back(pick == kAlphabet.size() ? '\0' : kAlphabet[pick]);
        }
        words.push_back(word);
    }
    return words;
}

class KnowledgeKeyIndexTest : public testing::KnowledgeFixture {
  protected:
    // Compares the indexed lookup with the scan for every word and kind; returns how many
    // lookups found something, so that a test can check that it compared real answers.
    int ExpectSameAnswers(const std::vector<std::string>& words) {
        int found = 0;
        for (const std::string& word : words) {
            for (uint32_t kind = LOOKUP_CODE; kind <= LOOKUP_API_CONFLIT; ++kind) {
                std::string indexed = "untouched";
                std::string scanned = "untouched";
                const uint32_t a = LookupKnowledge(session, word, LookupKind(kind), &indexed);
                const uint32_t b = ScanKnowledge(session, word, LookupKind(kind), &scanned);
                EXPECT_EQ(a, b) << "word \"" << word << "\" kind " << kind;
                EXPECT_EQ(indexed, scanned) << "word \"" << word << "\" kind " << kind;
                if (a != 0) ++found;
            }
        }
        return found;
    }

    void CompareOver(const std::string& text, int minimumFound) {
        std::set<std::string> keys = WordsAroundKeys(text);
        std::vector<std::string> words(keys.begin(), keys.end());
        const std::vector<std::string> random = RandomWords(3000);
        words.insert(words.end(), random.begin(), random.end());
        words.push_back(std::string(1039, 'x'));
        words.push_back(std::string(1040, 'x'));
        EXPECT_GE(ExpectSameAnswers(words), minimumFound);
        EXPECT_EQ(Journal(), "");
    }
};

TEST_F(KnowledgeKeyIndexTest, AgreesWithTheScanOverTheRuleFile) {
    const std::string text = testing::RichKnowledgeFile();
    Load(text);
    CompareOver(text, 60);
}

TEST_F(KnowledgeKeyIndexTest, AgreesWithTheScanOverTheKitFile) {
    const std::string path = ONDAVEL_SOURCE_DIR "/kits/egales.txt";
    ASSERT_EQ(LoadKnowledgeFile(session, path), 1);
    const std::string& text = session.run.knowledge.index.text;
    CompareOver(std::string(text), 400);
}

}  // namespace
}  // namespace ondavel
