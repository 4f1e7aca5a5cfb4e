#include "core/assembler_line.h"

#include <algorithm>

namespace ondavel {

size_t LongestLogicalLine(std::string_view text) {
    size_t longest = 0;
    size_t logical = 0;
    while (!text.empty()) {
        const size_t end = std::min(text.find("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 2, text.size()));
        const bool continued = line.ends_with('\\');
        logical += line.size() - (continued ? 1 : 0);
        if (continued) continue;
        longest = std::max(longest, logical);
        logical = 0;
    }
    return std::max(longest, logical);
}

}  // namespace ondavel
