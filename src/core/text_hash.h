// A hash of a text for the tables that look names up: eight bytes at a time, multiplied in and
// folded down, so that a name costs a few operations a word rather than a few a character.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ondavel {

// Bits of every byte that take part in the hash.
inline constexpr uint64_t kEveryBit = ~0ull;
// Without the bit that tells a-z from A-Z: texts alike but for the case of letters hash alike.
inline constexpr uint64_t kCaseBlind = ~0x2020202020202020ull;

template <typename Word>
uint64_t LoadBytes(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline uint64_t HashText(std::string_view text, uint64_t kept = kEveryBit) {
    uint64_t hash = text.size();
    const auto mix = [&](uint64_t chunk) {
        hash = (hash ^ (chunk & kept)) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 32;
    };
    const char* at = text.data();
    size_t left = text.size();
    for (; left > 8; at += 8, left -= 8) mix(LoadBytes<uint64_t>(at));
    // The last one to eight bytes, without a loop: the eight that end the text where it has
    // them, else two blocks of four or three single bytes, which may overlap.
    const auto byte = [](char c) { return uint64_t{static_cast<unsigned char>(c)}; };
    if (text.size() >= 8) {
        mix(LoadBytes<uint64_t>(at + left - 8));
    } else if (left >= 4) {
        mix(LoadBytes<uint32_t>(at) | LoadBytes<uint32_t>(at + left - 4) << 32);
    } else if (left > 0) {
        mix(byte(at[0]) | byte(at[left / 2]) << 8 | byte(at[left - 1]) << 16);
    }
    return hash;
}

}  // namespace ondavel
