#include "core/name_set.h"

#include <algorithm>

#include "core/text_hash.h"

namespace ondavel {

namespace {

constexpr size_t kFirstSlots = 64;

uint32_t HashOf(std::string_view name) {
    return static_cast<uint32_t>(HashText(name));
}

}  // namespace

size_t NameSet::SlotOf(std::string_view name, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    // Linear probing: a name is found before the first free slot after its home.
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.flags == 0) return at;
        if (slot.hash == hash && std::string_view(text_).substr(slot.offset, slot.length) == name) {
            return at;
        }
    }
}

uint32_t NameSet::flags(std::string_view name) const {
    return count_ == 0 ? 0 : slots_[SlotOf(name, HashOf(name))].flags;
}

NameSet::Slot& NameSet::Claim(std::string_view name) {
    if (4 * (count_ + 1) > 3 * slots_.size()) Grow();
    const uint32_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(name, hash)];
    if (slot.flags == 0) {
        slot = {hash, static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(name.size()), 0};
        text_.append(name);
        ++count_;
    }
    return slot;
}

void NameSet::add(std::string_view name, uint32_t flags) {
    Claim(name).flags |= flags;
}

void NameSet::set(std::string_view name, uint32_t flags) {
    Claim(name).flags = flags;
}

void NameSet::clear() {
    *this = NameSet{};
}

void NameSet::Grow() {
    std::vector<Slot> old(std::max(kFirstSlots, 2 * slots_.size()));
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.flags == 0) continue;
        size_t at = slot.hash & mask;
        while (slots_[at].flags != 0) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

}  // namespace ondavel
