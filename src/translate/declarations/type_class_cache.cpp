#include "declarations/type_class_cache.h"

#include "core/text_hash.h"

namespace ondavel {

const TypeClass* TypeClassCache::Find(std::string_view name) const {
    const uint64_t hash = HashText(name);
    const Slot& slot = SlotOf(hash);
    if (slot.generation != generation_ || slot.hash != hash || slot.name != name) return nullptr;
    return &slot.type;
}

void TypeClassCache::Drop(std::string_view name) {
    const uint64_t hash = HashText(name);
    Slot& slot = SlotOf(hash);
    if (slot.hash == hash && slot.name == name) slot.generation = 0;
}

void TypeClassCache::Keep(std::string_view name, const TypeClass& type) {
    const uint64_t hash = HashText(name);
    Slot& slot = SlotOf(hash);
    slot.generation = generation_;
    slot.hash = hash;
    // The slot's strings are assigned, not replaced: they keep their memory.
    slot.name = name;
    slot.type = type;
}

}  // namespace ondavel
