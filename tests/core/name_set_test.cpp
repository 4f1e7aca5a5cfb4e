#include "core/name_set.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/name_map.h"
#include "core/screened_name_set.h"

namespace ondavel {
namespace {

// What reference holds for name, or nothing.
template <typename Value>
Value In(const std::unordered_map<std::string, Value>& reference, const std::string& name) {
    const auto found = reference.find(name);
    return found == reference.end() ? Value{} : found->second;
}

// The plain and the screened set and the map answer as std::unordered_map does over random
// operations on names that differ by a prefix, an extension, a NUL, the case of a letter or
// bit 5 of a character. The screened set has no erase, the map no flags.
TEST(NameSetTest, AnswersAsAnUnorderedMapOverRandomOperations) {
    std::vector<std::string> names = {
        "", "WINAPI", "WINAP", "WINAPIV", "winapi", std::string("A\0B", 3), std::string("A\0C", 3)};
    std::mt19937 random(20240611);
    const std::string_view letters = "aAzZ_@`0";
    while (names.size() < 150) {
        std::string name(1 + random() % 3, ' ');
        for (char& c : name) c = letters[random() % letters.size()];
        names.push_back(name);
    }
    NameSet set;
    ScreenedNameSet screened;
    NameMap<std::string> map;
    std::unordered_map<std::string, uint32_t> setFlags, screenedFlags;
    std::unordered_map<std::string, std::string> values;
    for (int step = 0; step < 6000; ++step) {
        const std::string& name = names[random() % names.size()];
        const uint32_t flags = 1u << random() % 4;
        const unsigned operation = random() % 6;
        if (operation <= 1) {
            set.add(name, flags);
            screened.add(name, flags);
            setFlags[name] |= flags;
            screenedFlags[name] |= flags;
        } else if (operation <= 3) {
            set.set(name, flags);
            screened.set(name, flags);
            setFlags[name] = screenedFlags[name] = flags;
            map.insert_or_assign(name, std::to_string(step));
            values[name] = std::to_string(step);
        } else if (operation == 4) {
            EXPECT_EQ(set.erase(name), setFlags.erase(name) == 1) << name;
            map.erase(name);
            values.erase(name);
        } else if (random() % 100 == 0) {
            set.clear();
            screened.clear();
            map.clear();
            setFlags.clear();
            screenedFlags.clear();
            values.clear();
        }
        ASSERT_EQ(set.size(), setFlags.size()) << step;
        ASSERT_EQ(map.empty(), values.empty()) << step;
        for (const std::string& other : names) {
            ASSERT_EQ(set.flags(other), In(setFlags, other)) << step << " '" << other << "'";
            ASSERT_EQ(screened.flags(other), In(screenedFlags, other)) << step << " " << other;
            ASSERT_EQ(screened.contains(other), In(screenedFlags, other) != 0) << other;
            const std::string* value = map.find(other);
            ASSERT_EQ(value ? *value : "none", values.contains(other) ? values[other] : "none");
            ASSERT_EQ(map.contains(other), values.contains(other)) << other;
        }
    }
    // The table grows many times over a batch's hundred thousand names, into the memory kept
    // for large tables; every name stays found, and clear forgets them all.
    constexpr int kCount = 100000;
    for (int i = 0; i < kCount; ++i) {
        set.add("NAME_" + std::to_string(i), 1u << (i % 4));
        setFlags["NAME_" + std::to_string(i)] |= 1u << (i % 4);
    }
    ASSERT_EQ(set.size(), setFlags.size());
    for (const auto& [name, flags] : setFlags) ASSERT_EQ(set.flags(name), flags) << name;
    for (int i = 0; i < kCount; ++i) {
        ASSERT_FALSE(set.contains("NAME_" + std::to_string(i + kCount))) << i;
    }
    set.clear();
    EXPECT_EQ(set.size(), 0u);
    EXPECT_FALSE(set.contains("NAME_1"));
}

// Names of every length up to beyond the size of a piece of the set's text, in an order that
// makes entries end at and straddle piece boundaries and makes a long name follow a short one
// and the reverse: each keeps its own flags, is found by its own bytes alone, and can be
// erased and set again.
TEST(NameSetTest, KeepsLongNamesAndNamesAtPieceBoundaries) {
    NameSet set;
    std::unordered_map<std::string, uint32_t> reference;
    std::mt19937 random(20261210);
    const std::vector<size_t> lengths = {1, 7, 8, 1000, 65527, 65528, 65529, 65536, 70000, 200000};
    for (int i = 0; i < 400; ++i) {
        const size_t length = i % 3 == 0 ? lengths[random() % lengths.size()] : 1 + random() % 3000;
        std::string name(length, static_cast<char>('A' + i % 26));
        name.back() = static_cast<char>('a' + i % 7);
        const uint32_t flags = 1u << random() % 4;
        set.add(name, flags);
        reference[name] |= flags;
    }
    ASSERT_EQ(set.size(), reference.size());
    for (const auto& [name, flags] : reference) {
        ASSERT_EQ(set.flags(name), flags) << name.size();
        ASSERT_FALSE(set.contains(name.substr(1))) << name.size();
        ASSERT_FALSE(set.contains(name + "x")) << name.size();
    }
    for (const auto& [name, flags] : reference) {
        ASSERT_TRUE(set.erase(name)) << name.size();
        ASSERT_FALSE(set.contains(name)) << name.size();
        set.set(name, 8);
        ASSERT_EQ(set.flags(name), 8u) << name.size();
    }
    EXPECT_EQ(set.size(), reference.size());
}

}  // namespace
}  // namespace ondavel
