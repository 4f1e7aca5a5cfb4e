// A cache of values computed from texts: a text stands in the slot its hash picks, which holds
// one text at a time, so that the cache never grows and a lookup reads one slot. What it
// keeps must follow from the text and from nothing the cache's owner does not track: the
// owner drops a text whose value no longer holds, or forgets them all at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_hash.h"

namespace ondavel {

template <typename Value, size_t kSlots>
class TextCache {
  public:
    // The value kept for text; null when none is.
    const Value* Find(std::string_view text) const {
        const uint64_t hash = HashText(text);
        const Slot& slot = SlotOf(hash);
        if (slot.generation != generation_ || slot.hash != hash || slot.text != text) {
            return nullptr;
        }
        return &slot.value;
    }

    // Keeps value as text's, in place of whichever text held its slot.
    const Value& Keep(std::string_view text, const Value& value) {
        const uint64_t hash = HashText(text);
        Slot& slot = SlotOf(hash);
        slot.generation = generation_;
        slot.hash = hash;
        // The slot's strings are assigned, not replaced: they keep their memory.
        slot.text = text;
        slot.value = value;
        return slot.value;
    }

    // Forgets text's value, if one is kept.
    void Drop(std::string_view text) {
        const uint64_t hash = HashText(text);
        Slot& slot = SlotOf(hash);
        if (slot.hash == hash && slot.text == text) slot.generation = 0;
    }

    // Forgets every value kept, at once.
    void Forget() { ++generation_; }

  private:
    struct Slot {
        uint64_t generation = 0;  // the slot holds a value only in the generation it was kept
        uint64_t hash = 0;
        std::string text;
        Value value{};
    };

    const Slot& SlotOf(uint64_t hash) const { return slots_[hash % kSlots]; }
    Slot& SlotOf(uint64_t hash) { return slots_[hash % kSlots]; }

    std::array<Slot, kSlots> slots_;
    uint64_t generation_ = 1;
};

}  // namespace ondavel
