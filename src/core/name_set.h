// A set of names looked up by any string or view, each with flag bits that say which of its
// owner's sets it belongs to: one lookup answers for all of them. The names stand one after
// another in a single text and an open-addressing table holds the hash, the place and the
// flags of each: no allocation per name, a third of the memory of a node per name, and a
// lookup reads one slot and one name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

class NameSet {
  public:
    // The flags name was added with, or-ed together; 0 for a name never added.
    uint32_t flags(std::string_view name) const;
    // Adds name with flags (not 0), or-ed into those it has.
    void add(std::string_view name, uint32_t flags);
    // Adds name with flags (not 0) in place of those it has.
    void set(std::string_view name, uint32_t flags);
    // A plain set: each name added with one flag.
    bool contains(std::string_view name) const { return flags(name) != 0; }
    void insert(std::string_view name) { add(name, 1); }
    // Forgets every name and gives its memory back.
    void clear();
    size_t size() const { return count_; }

  private:
    struct Slot;

    // The slot of name, a free one taken for it when it had none.
    Slot& Claim(std::string_view name);

    struct Slot {
        uint32_t hash = 0;
        uint32_t offset = 0;  // where the name starts in text_
        uint32_t length = 0;
        uint32_t flags = 0;  // 0: the slot holds no name
    };

    // The slot that holds name, or the free slot where it would go.
    size_t SlotOf(std::string_view name, uint32_t hash) const;
    void Grow();

    std::vector<Slot> slots_;  // a power of two of them, at most three quarters used
    std::string text_;
    size_t count_ = 0;
};

}  // namespace ondavel
