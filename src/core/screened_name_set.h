// A NameSet of a few names that many lookups ask for and seldom find (the macros defined empty,
// the macros that name a calling convention): a filter by the first and last characters of its
// names answers most absent names before the set hashes them.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/end_pair_filter.h"
#include "core/name_set.h"

namespace ondavel {

class ScreenedNameSet {
  public:
    uint32_t flags(std::string_view name) const {
        return name.empty() || ends_.MayHold(name) ? names_.flags(name) : 0;
    }
    bool contains(std::string_view name) const { return flags(name) != 0; }
    void add(std::string_view name, uint32_t flags) {
        Screen(name);
        names_.add(name, flags);
    }
    void set(std::string_view name, uint32_t flags) {
        Screen(name);
        names_.set(name, flags);
    }
    void insert(std::string_view name) { add(name, 1); }
    void clear() {
        names_.clear();
        ends_.Clear();
    }

  private:
    void Screen(std::string_view name) {
        if (!name.empty()) ends_.Mark(name);
    }

    NameSet names_;
    EndPairFilter ends_;
};

}  // namespace ondavel
