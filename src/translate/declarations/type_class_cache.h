// The classes of the type names a header has asked about, kept while the lists that decided
// them do not change. A prototype asks about the same few types for each of its parameters, a
// COM interface for each of its methods; each asking costs a lookup in the lists and two in the
// knowledge file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ondavel {

// A type name's class, and the MASM name that goes with it where the classification gave one.
struct TypeClass {
    uint32_t code = 0;
    bool named = false;
    std::string masmName;
};

class TypeClassCache {
  public:
    // The class kept for name; null when none is.
    const TypeClass* Find(std::string_view name) const;
    // Keeps type as name's class, in place of whichever class held its slot.
    void Keep(std::string_view name, const TypeClass& type);
    // Forgets name's class, if one is kept.
    void Drop(std::string_view name);
    // Forgets every class kept, at once.
    void Forget() { ++generation_; }

  private:
    struct Slot {
        uint64_t generation = 0;  // the slot holds a class only in the generation it was kept
        uint64_t hash = 0;
        std::string name;
        TypeClass type;
    };
    // Name n stands in slot hash(n) modulo their count, which holds one name at a time.
    static constexpr size_t kSlots = 512;

    const Slot& SlotOf(uint64_t hash) const { return slots_[hash % kSlots]; }
    Slot& SlotOf(uint64_t hash) { return slots_[hash % kSlots]; }

    std::array<Slot, kSlots> slots_;
    uint64_t generation_ = 1;
};

}  // namespace ondavel
