// The key index of a loaded knowledge file: for each search range, the first entry line of
// every key, so that a lookup costs one hash probe instead of a scan of the section.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "knowledge/knowledge_file.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {

// Hashing and comparison of keys, with a-z folded onto A-Z in the ranges that ignore case.
struct KnowledgeKeyHash {
    bool foldCase = false;
    size_t operator()(std::string_view key) const;
};
struct KnowledgeKeyEqual {
    bool foldCase = false;
    bool operator()(std::string_view a, std::string_view b) const;
};

class KnowledgeKeyIndex {
  public:
    // Indexes every range of file, whose eight section lines must all have been found. The
    // index keeps views into the file's text: it must go before the text does.
    explicit KnowledgeKeyIndex(const KnowledgeFile& file);

    // The trimmed text of the first entry line of range whose key is word; false when none.
    bool Find(int range, std::string_view word, std::string_view& line) const;

    // Whether Find gives what the scan gives. The scan matches a word when the line begins
    // with it followed by a key end or the line's end, which is the line's key being the word
    // unless the word itself holds a key end. A CR or NUL cuts the word short for the scan.
    // An empty word matches no key, and no key reaches the 1,040 characters of a word that
    // the scan refuses as over-long.
    static bool Answers(std::string_view word) {
        for (char c : word) {
            if (c == ' ' || c == '\t' || c == '=' || c == ';' || c == '\r' || c == '\0') {
                return false;
            }
        }
        return true;
    }

  private:
    using KeyMap =
        std::unordered_map<std::string_view, std::string_view, KnowledgeKeyHash, KnowledgeKeyEqual>;

    std::array<KeyMap, kRangeCount> ranges_;
};

}  // namespace ondavel
