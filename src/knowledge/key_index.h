// The key index of a loaded knowledge file: for each search range, the first entry line of
// every key, so that a lookup costs one hash probe instead of a scan of the section.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/end_pair_filter.h"
#include "core/text.h"
#include "knowledge/knowledge_file.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {

class KnowledgeKeyIndex {
  public:
    // Indexes every range of file, whose eight section lines must all have been found. The
    // index keeps views into the file's text: it must go before the text does.
    explicit KnowledgeKeyIndex(const KnowledgeFile& file);

    // What the first entry line of range whose key is word answers; null when there is none.
    const EntryAnswer* Find(int range, std::string_view word) const;

    // Whether Find gives what the scan gives. The scan matches a word when the line begins
    // with it followed by a key end or the line's end, which is the line's key being the word
    // unless the word itself holds a key end. A CR or NUL cuts the word short for the scan.
    // An empty word matches no key, and no key reaches the 1,040 characters of a word that
    // the scan refuses as over-long.
    static bool Answers(std::string_view word) {
        using namespace std::string_view_literals;
        static constexpr CharacterSet kCutting = MakeCharacterSet(" \t=;\r\0"sv);
        for (char c : word) {
            if (InSet(kCutting, c)) return false;
        }
        return true;
    }

  private:
    struct Entry {
        std::string_view key;
        EntryAnswer answer;  // read from the line once, when indexing
    };
    // One range's keys: open addressing over a power of two of slots, at most half of them
    // used. A slot holds the high half of its key's hash and the key's place among the
    // entries plus one (0 in a free slot): a probe reads eight bytes a slot rather than a
    // whole entry, and only a key whose hash matches is compared. a-z fold onto A-Z in the
    // comparison of a range that ignores case, and the hash of such a range does not tell
    // them apart.
    struct Slot {
        uint32_t hashHigh = 0;
        uint32_t entry = 0;
    };
    struct Table {
        std::vector<Slot> slots;
        std::vector<Entry> entries;
        // Most words looked up are no key: most of those are told so by the pair of their first
        // and last characters, folded as the comparison folds them.
        EndPairFilter ends;
        bool foldCase = false;
        // The slot that holds key, or the free slot where it would go.
        size_t SlotOf(std::string_view key, uint64_t hash) const;
        uint64_t HashOf(std::string_view key) const;
    };
    std::array<Table, kRangeCount> ranges_;
};

}  // namespace ondavel
