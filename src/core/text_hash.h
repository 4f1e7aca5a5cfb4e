// A hash of a text for the tables that look names up: eight bytes at a time, multiplied in and
// folded down, so that a name costs a few operations a word rather than a few a character.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ondavel {

// Bits of every byte that take part in the hash.
inline constexpr uint64_t kEveryBit = ~0ull;
// Without the bit that tells a-z from A-Z: texts alike but for the case of letters hash alike.
inline constexpr uint64_t kCaseBlind = ~0x2020202020202020ull;

inline uint64_t HashText(std::string_view text, uint64_t kept = kEveryBit) {
    uint64_t hash = text.size();
    while (!text.empty()) {
        uint64_t chunk = 0;
        if (text.size() >= sizeof chunk) {
            std::memcpy(&chunk, text.data(), sizeof chunk);
        } else {
            for (size_t i = 0; i < text.size(); ++i) {
                chunk |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
            }
        }
        hash = (hash ^ (chunk & kept)) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 32;
        text.remove_prefix(std::min(text.size(), sizeof chunk));
    }
    return hash;
}

}  // namespace ondavel
