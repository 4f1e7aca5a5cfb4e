#include "core/character_marks.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace ondavel {
namespace {

// Every byte value is marked in every place exactly when it lies in a run, the runs' ends
// included: a run of one value, runs at either end of the signed bytes, a run that crosses
// from the ASCII bytes into the high ones, and the longest run, of all values but one.
TEST(CharacterMarksTest, MarksTheBytesOfRunsOnly) {
    constexpr std::array<ByteRange, 4> kRuns = {
        {{'"', '"'}, {0x00, 0x09}, {'{', 0x85}, {0xF0, 0xFF}}};
    const auto inRuns = [&](unsigned char byte) {
        for (const ByteRange& run : kRuns) {
            if (byte >= run.first && byte <= run.last) return true;
        }
        return false;
    };
    for (unsigned value = 0; value <= 0xFF; ++value) {
        for (size_t place = 0; place < kMarkedBlock; ++place) {
            std::string block(kMarkedBlock, 'a');
            block[place] = static_cast<char>(value);
            const unsigned expected = inRuns(static_cast<unsigned char>(value)) ? 1u << place : 0;
            ASSERT_EQ(MarkInRanges(block.data(), kRuns), expected) << value << " at " << place;
        }
        const std::string block(kMarkedBlock, static_cast<char>(value));
        const unsigned all = (1u << kMarkedBlock) - 1;
        constexpr std::array<ByteRange, 1> kAllButNul = {{{0x01, 0xFF}}};
        ASSERT_EQ(MarkInRanges(block.data(), kAllButNul), value == 0 ? 0 : all) << value;
    }
}

}  // namespace
}  // namespace ondavel
