// One compiler's answers about the layout of an include's structures.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ondavel {

// An aggregate's size and its members' offsets, in the order its declaration lists them;
// empty where the compiler does not know the name.
struct LayoutValues {
    std::optional<uint32_t> size;
    std::vector<std::optional<uint32_t>> offsets;
};

}  // namespace ondavel
