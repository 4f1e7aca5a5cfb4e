// A set of names looked up by any string or view. The names stand one after another in a
// single text and an open-addressing table holds the hash and the place of each: no
// allocation per name, a third of the memory of a node per name, and a lookup reads one slot
// and one name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

class NameSet {
  public:
    bool contains(std::string_view name) const;
    // Adds name; false when it was there already.
    bool insert(std::string_view name);
    // Forgets every name and gives its memory back.
    void clear();
    size_t size() const { return count_; }

  private:
    static constexpr uint32_t kFree = UINT32_MAX;  // the length of a slot that holds no name

    struct Slot {
        uint64_t hash = 0;
        uint32_t offset = 0;  // where the name starts in text_
        uint32_t length = kFree;
    };

    // The slot that holds name, or the free slot where it would go.
    size_t SlotOf(std::string_view name, uint64_t hash) const;
    void Grow();

    std::vector<Slot> slots_;  // a power of two of them, at most three quarters used
    std::string text_;
    size_t count_ = 0;
};

}  // namespace ondavel
