#include "knowledge/key_index.h"

#include "core/text.h"

namespace ondavel {

size_t KnowledgeKeyHash::operator()(std::string_view key) const {
    // FNV-1a over the bytes as they compare.
    uint64_t hash = 14695981039346656037ull;
    for (char c : key) {
        if (foldCase) c = FoldCase(c);
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool KnowledgeKeyEqual::operator()(std::string_view a, std::string_view b) const {
    return foldCase ? SameIgnoringCase(a, b) : a == b;
}

KnowledgeKeyIndex::KnowledgeKeyIndex(const KnowledgeFile& file) {
    for (int range = 0; range < kRangeCount; ++range) {
        const bool fold = kRangeIgnoresCase[range];
        KeyMap& keys = ranges_[range];
        keys = KeyMap(64, KnowledgeKeyHash{fold}, KnowledgeKeyEqual{fold});
        const LineRange lines = RangeLines(file, range);
        for (uint32_t n = lines.first; n <= lines.last; ++n) {
            std::string_view line;
            if (!ReadKnowledgeLine(file.index, n, line)) continue;
            const std::string_view key = EntryKey(line);
            // emplace keeps an existing key: the first line of a key is the one a scan finds.
            if (!key.empty()) keys.emplace(key, line);
        }
    }
}

bool KnowledgeKeyIndex::Find(int range, std::string_view word, std::string_view& line) const {
    if (range < 0 || range >= kRangeCount) return false;
    const KeyMap& keys = ranges_[range];
    const auto found = keys.find(word);
    if (found == keys.end()) return false;
    line = found->second;
    return true;
}

}  // namespace ondavel
