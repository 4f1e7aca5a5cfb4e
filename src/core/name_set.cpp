#include "core/name_set.h"

#include <algorithm>
#include <functional>

namespace ondavel {

namespace {

constexpr size_t kFirstSlots = 64;

uint64_t HashOf(std::string_view name) {
    return std::hash<std::string_view>{}(name);
}

}  // namespace

size_t NameSet::SlotOf(std::string_view name, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    // Linear probing: a name is found before the first free slot after its home.
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.length == kFree) return at;
        if (slot.hash == hash && std::string_view(text_).substr(slot.offset, slot.length) == name) {
            return at;
        }
    }
}

bool NameSet::contains(std::string_view name) const {
    return count_ != 0 && slots_[SlotOf(name, HashOf(name))].length != kFree;
}

bool NameSet::insert(std::string_view name) {
    if (4 * (count_ + 1) > 3 * slots_.size()) Grow();
    const uint64_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(name, hash)];
    if (slot.length != kFree) return false;
    slot = {hash, static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(name.size())};
    text_.append(name);
    ++count_;
    return true;
}

void NameSet::clear() {
    *this = NameSet{};
}

void NameSet::Grow() {
    std::vector<Slot> old(std::max(kFirstSlots, 2 * slots_.size()));
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.length == kFree) continue;
        size_t at = slot.hash & mask;
        while (slots_[at].length != kFree) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

}  // namespace ondavel
