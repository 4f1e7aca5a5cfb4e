// A set of names looked up by any string or view, each with flag bits that say which of its
// owner's sets it belongs to: one lookup answers for all of them. The names stand one after
// another in pieces of text, each after its flags and its length, and an open-addressing table
// holds the hash and the place of each: no allocation per name, and a table of eight bytes a
// slot. A batch looks up a few hundred thousand names, mostly absent, in a set of some two
// hundred thousand: such a lookup reads its home slot and nothing else, and the smaller the
// table, the more of it stays in the processor's cache.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/table_memory.h"
#include "core/text_hash.h"

namespace ondavel {

class NameSet {
  public:
    // The flags name was added with, or-ed together; 0 for a name never added.
    uint32_t flags(std::string_view name) const;
    // Adds name with flags (not 0), or-ed into those it has.
    void add(std::string_view name, uint32_t flags);
    // Adds name with flags (not 0) in place of those it has.
    void set(std::string_view name, uint32_t flags);
    // Takes name out of the set, as though it had never been added; false when it was not in.
    bool erase(std::string_view name);
    // Starts bringing the slot where name would be into the cache, for a lookup of it that
    // comes a little later: a batch's set outgrows the cache, and its lookups would otherwise
    // wait on memory one after another.
    void Prefetch(std::string_view name) const;
    // A plain set: each name added with one flag.
    bool contains(std::string_view name) const { return flags(name) != 0; }
    void insert(std::string_view name) { add(name, 1); }
    // Forgets every name and gives its memory back.
    void clear();
    size_t size() const { return size_; }

  private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t place = 0;  // 1 + the place of the name's entry; 0: a free slot
    };

    // The slot that holds name, or the free slot where it would go.
    size_t SlotOf(std::string_view name, uint32_t hash) const;
    // The place of the entry of name; npos when it has none.
    size_t EntryOf(std::string_view name) const;
    // The place of the entry of name, a new one made for it when it had none.
    size_t Claim(std::string_view name);
    uint32_t FlagsAt(size_t entry) const;
    static uint32_t HashOf(std::string_view name);
    // Where the entry at `entry` stands in memory.
    const char* EntryText(size_t entry) const;
    // Writes a new entry for name, with no flags yet; returns where it starts.
    size_t AppendEntry(std::string_view name);
    static constexpr size_t kLengthAt = sizeof(uint32_t);
    static constexpr size_t kNameAt = 2 * sizeof(uint32_t);
    void SetFlagsAt(size_t entry, uint32_t flags);
    void Grow();

    // A power of two of slots, at most three quarters used.
    std::vector<Slot, TableAllocator<Slot>> slots_;
    // Per name: its flags, its length (4 bytes each), its bytes. An erased name keeps its
    // entry and its slot with flags 0, and takes them again when it is added back. The entries
    // stand in pieces of kPieceSize bytes, none across two, and an entry's place is its piece's
    // number times kPieceSize plus where it stands in the piece. A set of a batch's names grows
    // to megabytes: it grows a piece at a time, where one text would copy itself into twice
    // the room and for a moment hold three times its size. The first piece grows as a string
    // does, so that a small set stays small, and the others are made whole at once. An entry
    // longer than a piece has a piece of its own, which it fills alone.
    static constexpr size_t kPieceSize = size_t{1} << 16;
    std::vector<std::string> pieces_;
    size_t count_ = 0;  // entries, erased ones too: the slots in use
    size_t size_ = 0;   // names in the set
};

// Lookups are written into their callers: a batch asks a million of them.

inline uint32_t NameSet::HashOf(std::string_view name) {
    return static_cast<uint32_t>(HashText(name));
}

inline const char* NameSet::EntryText(size_t entry) const {
    return pieces_[entry / kPieceSize].data() + entry % kPieceSize;
}

inline size_t NameSet::SlotOf(std::string_view name, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    // Linear probing: a name is found before the first free slot after its home.
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.place == 0) return at;
        if (slot.hash != hash) continue;
        const char* const entry = EntryText(slot.place - 1);
        if (LoadBytes<uint32_t>(entry + kLengthAt) == name.size() &&
            std::memcmp(entry + kNameAt, name.data(), name.size()) == 0) {
            return at;
        }
    }
}

inline uint32_t NameSet::FlagsAt(size_t entry) const {
    return static_cast<uint32_t>(LoadBytes<uint32_t>(EntryText(entry)));
}

inline size_t NameSet::EntryOf(std::string_view name) const {
    if (count_ == 0) return std::string::npos;
    const Slot& slot = slots_[SlotOf(name, HashOf(name))];
    return slot.place == 0 ? std::string::npos : slot.place - 1;
}

inline uint32_t NameSet::flags(std::string_view name) const {
    const size_t entry = EntryOf(name);
    return entry == std::string::npos ? 0 : FlagsAt(entry);
}

}  // namespace ondavel
