// A map from names to values, looked up by any string or view, in no particular order: the
// names stand in a NameSet, each marked with the place of its value plus one, and the values
// in one array. A lookup reads the set's slot and the value, with no node to follow, and a
// name costs no allocation of its own.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/name_set.h"

namespace ondavel {

template <typename Value>
class NameMap {
  public:
    // The value of name; null when it has none. Good until the next insert_or_assign.
    const Value* find(std::string_view name) const {
        const uint32_t mark = names_.flags(name);
        return mark == 0 ? nullptr : &values_[mark - 1];
    }
    bool contains(std::string_view name) const { return names_.contains(name); }
    void insert_or_assign(std::string_view name, Value value) {
        if (const uint32_t mark = names_.flags(name)) {
            values_[mark - 1] = std::move(value);
            return;
        }
        values_.push_back(std::move(value));
        names_.set(name, static_cast<uint32_t>(values_.size()));
    }
    // Takes name out of the map. Its value stays in the array until clear.
    void erase(std::string_view name) { names_.erase(name); }
    bool empty() const { return names_.size() == 0; }
    void clear() {
        names_.clear();
        values_.clear();
    }

  private:
    NameSet names_;
    std::vector<Value> values_;
};

}  // namespace ondavel
