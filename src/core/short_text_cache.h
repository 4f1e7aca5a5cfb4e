// A cache of short texts made from short texts, with a small tag for each: a text stands in
// the slot its hash picks, which holds one text at a time, and a slot holds the text and what
// it was made into within its own 128 bytes. A lookup so reads one slot and nothing else, where
// strings of their own would take a trip to memory each. A text and value too long to share a
// slot are not kept.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text_hash.h"

namespace ondavel {

template <size_t kSlots>
class ShortTextCache {
  public:
    struct Kept {
        uint8_t tag;
        std::string_view value;  // good until the next Keep
    };

    std::optional<Kept> Find(std::string_view text) const {
        if (slots_.empty()) return std::nullopt;
        const uint64_t hash = HashText(text);
        const Slot& slot = slots_[hash % kSlots];
        if (slot.generation != generation_ || slot.hash != hash || slot.textLength != text.size() ||
            std::memcmp(slot.bytes, text.data(), text.size()) != 0) {
            return std::nullopt;
        }
        return Kept{slot.tag, {slot.bytes + slot.textLength, slot.valueLength}};
    }

    // Keeps value and tag as text's, in place of whichever text held its slot.
    void Keep(std::string_view text, uint8_t tag, std::string_view value) {
        if (text.size() + value.size() > kRoom) return;
        if (slots_.empty()) slots_.resize(kSlots);
        const uint64_t hash = HashText(text);
        Slot& slot = slots_[hash % kSlots];
        slot.hash = hash;
        slot.generation = generation_;
        slot.textLength = static_cast<uint8_t>(text.size());
        slot.valueLength = static_cast<uint8_t>(value.size());
        slot.tag = tag;
        std::copy(text.begin(), text.end(), slot.bytes);
        std::copy(value.begin(), value.end(), slot.bytes + text.size());
    }

    // Forgets every text kept, at once.
    void Forget() { ++generation_; }

  private:
    static constexpr size_t kSlotSize = 128;
    static constexpr size_t kRoom = kSlotSize - sizeof(uint64_t) - sizeof(uint32_t) - 3;

    struct alignas(64) Slot {
        uint64_t hash = 0;
        uint32_t generation = 0;  // the slot holds a text only in the generation it was kept
        uint8_t textLength = 0;
        uint8_t valueLength = 0;
        uint8_t tag = 0;
        char bytes[kRoom];  // the text, then its value
    };
    static_assert(sizeof(Slot) == kSlotSize);

    std::vector<Slot> slots_;  // made at the first Keep
    uint32_t generation_ = 1;
};

}  // namespace ondavel
