#include "core/name_set.h"

#include <gtest/gtest.h>

#include <string>

namespace ondavel {
namespace {

// Names are whole strings: a prefix, an extension, an empty name and a NUL inside are names
// of their own, and a second insert of a name adds nothing.
TEST(NameSetTest, NamesAreWholeStrings) {
    NameSet names;
    EXPECT_FALSE(names.contains("WINAPI"));
    names.insert("WINAPI");
    names.insert("WINAPI");
    names.insert(std::string_view("A\0B", 3));
    names.insert("");
    EXPECT_EQ(names.size(), 3u);
    EXPECT_TRUE(names.contains("WINAPI"));
    EXPECT_TRUE(names.contains(std::string_view("A\0B", 3)));
    EXPECT_TRUE(names.contains(""));
    for (std::string_view other : {"WINAP", "WINAPIV", "winapi", "A"}) {
        EXPECT_FALSE(names.contains(other)) << other;
    }
}

// A name added again keeps the flags it had and gains the new ones; set replaces them.
TEST(NameSetTest, FlagsAddUpOrAreReplaced) {
    NameSet names;
    names.add("X", 1);
    names.add("Y", 4);
    names.add("X", 2);
    EXPECT_EQ(names.flags("X"), 3u);
    EXPECT_EQ(names.flags("Y"), 4u);
    EXPECT_EQ(names.flags("Z"), 0u);
    names.set("X", 8);
    names.set("Z", 2);
    EXPECT_EQ(names.flags("X"), 8u);
    EXPECT_EQ(names.flags("Z"), 2u);
    EXPECT_EQ(names.size(), 3u);
}

// The table grows many times over a batch's hundred thousand names, into the memory kept for
// large tables; every name stays found, and clear forgets them all.
TEST(NameSetTest, GrowingKeepsEveryNameAndClearForgets) {
    NameSet names;
    constexpr int kCount = 100000;
    for (int i = 0; i < kCount; ++i) names.add("NAME_" + std::to_string(i), 1u << (i % 4));
    EXPECT_EQ(names.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(names.flags("NAME_" + std::to_string(i)), 1u << (i % 4)) << i;
        ASSERT_FALSE(names.contains("NAME_" + std::to_string(i + kCount))) << i;
    }
    names.clear();
    EXPECT_EQ(names.size(), 0u);
    EXPECT_FALSE(names.contains("NAME_1"));
    names.insert("NAME_1");
    EXPECT_TRUE(names.contains("NAME_1"));
}

}  // namespace
}  // namespace ondavel
