#include "knowledge/key_index.h"

#include "core/text.h"
#include "core/text_hash.h"

namespace ondavel {

namespace {

constexpr size_t kFewestSlots = 16;

// The entry lines of a range, in their order: every line that holds a key.
std::vector<std::string_view> RangeEntries(const KnowledgeFile& file, int range) {
    std::vector<std::string_view> entries;
    const LineRange lines = RangeLines(file, range);
    for (uint32_t n = lines.first; n <= lines.last; ++n) {
        std::string_view line;
        if (ReadKnowledgeLine(file.index, n, line) && !EntryKey(line).empty()) {
            entries.push_back(line);
        }
    }
    return entries;
}

size_t SlotsFor(size_t keys) {
    size_t slots = kFewestSlots;
    while (slots < 2 * keys) slots *= 2;
    return slots;
}

// What a slot keeps of a key's hash: the half that does not choose the slot.
uint32_t HashHigh(uint64_t hash) {
    return static_cast<uint32_t>(hash >> 32);
}

}  // namespace

uint64_t KnowledgeKeyIndex::Table::HashOf(std::string_view key) const {
    return HashText(key, foldCase ? kCaseBlind : kEveryBit);
}

size_t KnowledgeKeyIndex::Table::SlotOf(std::string_view key, uint64_t hash) const {
    const size_t mask = slots.size() - 1;
    const uint32_t hashHigh = HashHigh(hash);
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots[at];
        if (slot.entry == 0) return at;
        if (slot.hashHigh != hashHigh) continue;
        const std::string_view found = entries[slot.entry - 1].key;
        // A word most often stands in the case of its key: the plain comparison tells first.
        if (found == key || (foldCase && SameIgnoringCase(found, key))) return at;
    }
}

KnowledgeKeyIndex::KnowledgeKeyIndex(const KnowledgeFile& file) {
    for (int range = 0; range < kRangeCount; ++range) {
        Table& table = ranges_[range];
        table.foldCase = kRangeIgnoresCase[range];
        table.ends = EndPairFilter(table.foldCase);
        const std::vector<std::string_view> lines = RangeEntries(file, range);
        table.slots.resize(SlotsFor(lines.size()));
        for (const std::string_view line : lines) {
            const std::string_view key = EntryKey(line);
            const uint64_t hash = table.HashOf(key);
            Slot& slot = table.slots[table.SlotOf(key, hash)];
            // The first line of a key is the one a scan finds: a later one is not kept.
            if (slot.entry != 0) continue;
            table.entries.push_back({key, ReadAnswer(line)});
            slot = {HashHigh(hash), static_cast<uint32_t>(table.entries.size())};
            table.ends.Mark(key);
        }
    }
}

const EntryAnswer* KnowledgeKeyIndex::Find(int range, std::string_view word) const {
    if (range < 0 || range >= kRangeCount || word.empty()) return nullptr;
    const Table& table = ranges_[range];
    if (!table.ends.MayHold(word)) return nullptr;
    const Slot& slot = table.slots[table.SlotOf(word, table.HashOf(word))];
    return slot.entry == 0 ? nullptr : &table.entries[slot.entry - 1].answer;
}

}  // namespace ondavel
