// Searches of short texts for a few characters or for a pattern in either case, sixteen places
// at a time: written into their callers, which know the characters and the pattern, and which
// search millions of texts in a batch.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/character_marks.h"

namespace ondavel {

// Case folding is ASCII only: accented letters compare as they are.
constexpr char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

namespace search_detail {

#if defined(__SSE2__)
// FindAnyOf in a text of four to fifteen characters, read as two halves that may overlap: its
// first and its last eight characters (four, below eight), one in each half of a block.
template <typename Matches>
size_t FindInShortText(std::string_view text, size_t from, Matches matchesIn) {
    const size_t half = text.size() >= 8 ? 8 : 4;
    const size_t second = text.size() - half;
    uint64_t first = 0;
    uint64_t last = 0;
    if (half == 8) {
        std::memcpy(&first, text.data(), 8);
        std::memcpy(&last, text.data() + second, 8);
    } else {
        uint32_t first4 = 0;
        uint32_t last4 = 0;
        std::memcpy(&first4, text.data(), 4);
        std::memcpy(&last4, text.data() + second, 4);
        first = first4;
        last = last4;
    }
    const unsigned marks =
        matchesIn(_mm_set_epi64x(static_cast<int64_t>(last), static_cast<int64_t>(first)));
    // Bytes beyond a half's characters are not the text's.
    const unsigned halfMarks = (1u << half) - 1;
    const unsigned inFirst = marks & halfMarks & (~0u << from);
    if (inFirst != 0) return static_cast<size_t>(std::countr_zero(inFirst));
    const size_t skipped = from > second ? from - second : 0;
    const unsigned inLast = (marks >> 8) & halfMarks & (~0u << skipped);
    return inLast != 0 ? second + static_cast<size_t>(std::countr_zero(inLast)) : text.size();
}
#endif

// FindAnyOf for a set of one to three characters, written into its callers: with the set known
// where it is called, the set's characters are fixed when compiling rather than read at each
// call.
[[gnu::always_inline]] inline size_t FindAny(std::string_view text, size_t from,
                                             std::string_view set) {
    if (from >= text.size()) return text.size();
    // A set of fewer than three characters repeats its first one, which finds nothing more.
    const char a = set[0];
    const char b = set[set.size() > 1 ? 1 : 0];
    const char c = set[set.size() > 2 ? 2 : 0];
#if defined(__SSE2__)
    // Sixteen characters are compared with the three at once.
    const char three[] = {a, b, c};
    const auto matchesIn = [&](__m128i block) { return MarkAnyOf(block, {three, 3}); };
    const auto matches = [&](size_t at) { return MarkAnyOf(text.data() + at, {three, 3}); };
    if (text.size() < 16 && text.size() >= 4) return FindInShortText(text, from, matchesIn);
    for (; from + 16 <= text.size(); from += 16) {
        if (const unsigned found = matches(from)) {
            return from + static_cast<size_t>(std::countr_zero(found));
        }
    }
    // The last characters are read as the end of a block that overlaps the ones already read.
    if (text.size() >= 16) {
        const size_t at = text.size() - 16;
        const unsigned found = matches(at) >> (from - at);
        return found != 0 ? from + static_cast<size_t>(std::countr_zero(found)) : text.size();
    }
#endif
    while (from < text.size() && text[from] != a && text[from] != b && text[from] != c) ++from;
    return from;
}

// Whether pattern stands at `at` in text, a-z folded onto A-Z.
inline bool MatchesAt(std::string_view text, size_t at, std::string_view pattern) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (FoldCase(text[at + i]) != FoldCase(pattern[i])) return false;
    }
    return true;
}

#if defined(__SSE2__)
// Bit i is set when byte i of block and the byte after it may be first and second, a-z folded
// onto A-Z: when they equal them once bit 5 is set in all four. A letter's two cases differ in
// that bit alone, so no place where the pair stands is missed; the few other bytes that it
// joins ('@' and '`') are told apart by the comparison of the whole pattern.
inline unsigned MarkFoldedPair(const char* block, char first, char second) {
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const auto matches = [&](const char* at, char c) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return _mm_cmpeq_epi8(_mm_or_si128(bytes, caseBit),
                              _mm_set1_epi8(static_cast<char>(c | 0x20)));
    };
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(matches(block, first), matches(block + 1, second))));
}
#endif

// Where pattern (two characters or more, no longer than text) stands in text from `from` on,
// a-z folded onto A-Z; text.size() when nowhere. Only the places where its first two
// characters stand are compared whole, and those are found sixteen at a time.
inline size_t FindFolded(std::string_view text, size_t from, std::string_view pattern) {
    const size_t last = text.size() - pattern.size();
    size_t at = from;
#if defined(__SSE2__)
    // A block reads the byte after its sixteen places too; the last places are read as the end
    // of a block that overlaps the ones already read.
    const auto matchFrom = [&](size_t block, size_t first) {
        unsigned marks = MarkFoldedPair(text.data() + block, pattern[0], pattern[1]);
        for (marks &= ~0u << (first - block); marks != 0; marks &= marks - 1) {
            const size_t place = block + static_cast<size_t>(std::countr_zero(marks));
            if (place > last) return text.size();
            if (MatchesAt(text, place, pattern)) return place;
        }
        return std::string_view::npos;
    };
    if (text.size() > kMarkedBlock) {
        for (; at <= last; at += kMarkedBlock) {
            const size_t block = std::min(at, text.size() - kMarkedBlock - 1);
            const size_t found = matchFrom(block, at);
            if (found != std::string_view::npos) return found;
        }
        return text.size();
    }
#endif
    for (; at <= last; ++at) {
        if (MatchesAt(text, at, pattern)) return at;
    }
    return text.size();
}

// Where pattern (not empty, no longer than text) stands in text from `from` on, a-z folded onto
// A-Z; text.size() when nowhere.
inline size_t FindIgnoringCase(std::string_view text, size_t from, std::string_view pattern) {
    if (pattern.size() > 1) return FindFolded(text, from, pattern);
    const char first = FoldCase(pattern[0]);
    const bool letter = first >= 'A' && first <= 'Z';
    const char cases[] = {first, letter ? static_cast<char>(first + 32) : first};
    return FindAny(text, from, {cases, 2});
}

}  // namespace search_detail

// FindAnyOf for a set of four characters or more, one character at a time.
size_t FindAnyOfMany(std::string_view text, size_t from, std::string_view set);

// The position of the first character at or after from that is one of set (not empty);
// text.size() when there is none. A set of one to three characters is searched sixteen
// characters at a time.
inline size_t FindAnyOf(std::string_view text, size_t from, std::string_view set) {
    if (set.size() <= 3) return search_detail::FindAny(text, from, set);
    return FindAnyOfMany(text, from, set);
}

}  // namespace ondavel
