// A screen in front of a set of words: one bit for each pair of a first and a last character
// that a word of the set has, of six bits each (five where the set ignores case). Most words
// looked up in a set are not in it, and most of those have a pair that no word of the set has:
// they are told so without a hash.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ondavel {

class EndPairFilter {
  public:
    // The filter of a set that ignores case leaves out bit 5 of each character, the one that
    // tells a letter's two cases apart: its pairs are of five bits each.
    explicit EndPairFilter(bool foldCase = false) : kept_(foldCase ? 0x1F : 0x3F) {}

    // Lets word (not empty) pass from now on.
    void Mark(std::string_view word) {
        const unsigned pair = PairOf(word);
        bits_[pair >> 6] |= uint64_t{1} << (pair & 63);
    }
    // Whether the set may hold word (not empty): false only when it holds no word of its pair.
    bool MayHold(std::string_view word) const {
        const unsigned pair = PairOf(word);
        return (bits_[pair >> 6] >> (pair & 63) & 1) != 0;
    }
    void Clear() { bits_ = {}; }

  private:
    unsigned PairOf(std::string_view word) const {
        return (static_cast<unsigned>(word.front()) & kept_) << 6 |
               (static_cast<unsigned>(word.back()) & kept_);
    }

    std::array<uint64_t, 64> bits_{};
    unsigned kept_;
};

}  // namespace ondavel
