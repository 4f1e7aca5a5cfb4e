// Where the characters of a small set stand in a block of sixteen bytes, found with one
// comparison per character of the set for all sixteen bytes at once: a scan that cares for a
// few characters among many passes over the others sixteen at a time.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ondavel {

inline constexpr size_t kMarkedBlock = 16;

#if defined(__SSE2__)
// Bit i is set when byte i of bytes is one of set (not empty).
inline unsigned MarkAnyOf(__m128i bytes, std::string_view set) {
    __m128i hits = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(set[0]));
    for (const char c : set.substr(1)) {
        hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)));
    }
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}
#endif

// Bit i is set when byte i of block (sixteen readable bytes) is one of set (not empty).
inline unsigned MarkAnyOf(const char* block, std::string_view set) {
#if defined(__SSE2__)
    return MarkAnyOf(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block)), set);
#else
    unsigned marks = 0;
    for (size_t i = 0; i < kMarkedBlock; ++i) {
        if (set.find(block[i]) != std::string_view::npos) marks |= 1u << i;
    }
    return marks;
#endif
}

// A run of byte values, first to last, both included: any run but the whole 256.
struct ByteRange {
    unsigned char first;
    unsigned char last;
};

// Bit i is set when byte i of block (sixteen readable bytes) lies in one of ranges. A set of
// many characters that fall into few runs costs one test per run, not one per character.
template <size_t N>
inline unsigned MarkInRanges(const char* block, const std::array<ByteRange, N>& ranges) {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    __m128i hits = _mm_setzero_si128();
    for (const ByteRange& range : ranges) {
        // Moved so that the run begins at the smallest signed byte, a value is in the run when
        // it is below the run's end, moved likewise: one addition and one signed comparison.
        const __m128i moved =
            _mm_add_epi8(bytes, _mm_set1_epi8(static_cast<char>(0x80 - range.first)));
        const __m128i end = _mm_set1_epi8(static_cast<char>(-128 + (range.last - range.first) + 1));
        hits = _mm_or_si128(hits, _mm_cmplt_epi8(moved, end));
    }
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
#else
    unsigned marks = 0;
    for (size_t i = 0; i < kMarkedBlock; ++i) {
        const auto byte = static_cast<unsigned char>(block[i]);
        for (const ByteRange& range : ranges) {
            if (byte >= range.first && byte <= range.last) marks |= 1u << i;
        }
    }
    return marks;
#endif
}

}  // namespace ondavel
