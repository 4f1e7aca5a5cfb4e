#include "core/name_set.h"

#include <algorithm>
#include <cstring>

#include "core/text_hash.h"

namespace ondavel {

namespace {

constexpr size_t kFirstSlots = 64;

}  // namespace

void NameSet::SetFlagsAt(size_t entry, uint32_t flags) {
    const bool wasIn = FlagsAt(entry) != 0;
    if (!wasIn && flags != 0) ++size_;
    if (wasIn && flags == 0) --size_;
    std::memcpy(const_cast<char*>(EntryText(entry)), &flags, sizeof flags);
}

size_t NameSet::AppendEntry(std::string_view name) {
    const size_t size = kNameAt + name.size();
    // A full piece, and one that a name longer than a piece fills alone, have no room left.
    if (pieces_.empty() || pieces_.back().size() + size > kPieceSize) pieces_.emplace_back();
    std::string& piece = pieces_.back();
    if (piece.capacity() < piece.size() + size) {
        // The first piece doubles as a string would, but not past the size of a piece; the
        // others are made whole at once.
        const size_t room =
            pieces_.size() == 1 ? std::min(kPieceSize, 2 * (piece.size() + size)) : kPieceSize;
        piece.reserve(std::max(room, piece.size() + size));
    }
    const size_t entry = (pieces_.size() - 1) * kPieceSize + piece.size();
    const uint32_t header[2] = {0, static_cast<uint32_t>(name.size())};
    piece.append(reinterpret_cast<const char*>(header), sizeof header).append(name);
    return entry;
}

void NameSet::Prefetch(std::string_view name) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[HashOf(name) & (slots_.size() - 1)]);
}

size_t NameSet::Claim(std::string_view name) {
    if (4 * (count_ + 1) > 3 * slots_.size()) Grow();
    const uint32_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(name, hash)];
    if (slot.place == 0) {
        slot = {hash, static_cast<uint32_t>(AppendEntry(name) + 1)};
        ++count_;
    }
    return slot.place - 1;
}

void NameSet::add(std::string_view name, uint32_t flags) {
    const size_t entry = Claim(name);
    SetFlagsAt(entry, FlagsAt(entry) | flags);
}

void NameSet::set(std::string_view name, uint32_t flags) {
    SetFlagsAt(Claim(name), flags);
}

bool NameSet::erase(std::string_view name) {
    const size_t entry = EntryOf(name);
    if (entry == std::string::npos || FlagsAt(entry) == 0) return false;
    SetFlagsAt(entry, 0);
    return true;
}

void NameSet::clear() {
    *this = NameSet{};
}

void NameSet::Grow() {
    std::vector<Slot, TableAllocator<Slot>> old(std::max(kFirstSlots, 2 * slots_.size()));
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.place == 0) continue;
        size_t at = slot.hash & mask;
        while (slots_[at].place != 0) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

}  // namespace ondavel
