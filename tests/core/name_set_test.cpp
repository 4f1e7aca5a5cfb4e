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
    EXPECT_TRUE(names.insert("WINAPI"));
    EXPECT_FALSE(names.insert("WINAPI"));
    EXPECT_TRUE(names.insert(std::string_view("A\0B", 3)));
    EXPECT_TRUE(names.insert(""));
    EXPECT_EQ(names.size(), 3u);
    EXPECT_TRUE(names.contains("WINAPI"));
    EXPECT_TRUE(names.contains(std::string_view("A\0B", 3)));
    EXPECT_TRUE(names.contains(""));
    for (std::string_view other : {"WINAP", "WINAPIV", "winapi", "A"}) {
        EXPECT_FALSE(names.contains(other)) << other;
    }
}

// The table grows many times over a batch's hundred thousand names; every name stays found,
// and clear forgets them all.
TEST(NameSetTest, GrowingKeepsEveryNameAndClearForgets) {
    NameSet names;
    constexpr int kCount = 20000;
    for (int i = 0; i < kCount; ++i) ASSERT_TRUE(names.insert("NAME_" + std::to_string(i)));
    EXPECT_EQ(names.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        ASSERT_TRUE(names.contains("NAME_" + std::to_string(i))) << i;
        ASSERT_FALSE(names.contains("NAME_" + std::to_string(i + kCount))) << i;
    }
    names.clear();
    EXPECT_EQ(names.size(), 0u);
    EXPECT_FALSE(names.contains("NAME_1"));
    EXPECT_TRUE(names.insert("NAME_1"));
}

}  // namespace
}  // namespace ondavel
