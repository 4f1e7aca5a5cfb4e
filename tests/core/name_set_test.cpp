#include "core/name_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/name_map.h"
#include "core/screened_name_set.h"

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

// An erased name is out of the set until it is added again, then with the new flags only;
// erasing a name not in the set changes nothing.
TEST(NameSetTest, AnErasedNameComesBackWithItsNewFlagsOnly) {
    NameSet names;
    names.add("X", 3);
    names.add("Y", 1);
    EXPECT_TRUE(names.erase("X"));
    EXPECT_FALSE(names.erase("X"));
    EXPECT_FALSE(names.erase("Z"));
    EXPECT_FALSE(names.contains("X"));
    EXPECT_EQ(names.size(), 1u);
    names.add("X", 4);
    EXPECT_EQ(names.flags("X"), 4u);
    EXPECT_EQ(names.size(), 2u);
}

// A name keeps the last value given to it; an erased name has none until it is given one
// again, and the names and values of a map cleared are all gone.
TEST(NameMapTest, ANameHasItsLastValueUntilErased) {
    NameMap<std::string> words;
    EXPECT_TRUE(words.empty());
    EXPECT_EQ(words.find("A"), nullptr);
    words.insert_or_assign("A", "6");
    words.insert_or_assign("B", "SIZE_T");
    words.insert_or_assign("A", "WORD");
    ASSERT_NE(words.find("A"), nullptr);
    EXPECT_EQ(*words.find("A"), "WORD");
    EXPECT_EQ(*words.find("B"), "SIZE_T");
    words.erase("A");
    EXPECT_EQ(words.find("A"), nullptr);
    EXPECT_FALSE(words.contains("A"));
    EXPECT_FALSE(words.empty());
    words.insert_or_assign("A", "7");
    EXPECT_EQ(*words.find("A"), "7");
    EXPECT_EQ(*words.find("B"), "SIZE_T");
    words.erase("A");
    words.erase("B");
    EXPECT_TRUE(words.empty());

    NameMap<std::vector<std::string>> macros;
    macros.insert_or_assign("LAYOUT", {"ULONG A;", "ULONG B;"});
    macros.clear();
    EXPECT_TRUE(macros.empty());
    EXPECT_EQ(macros.find("LAYOUT"), nullptr);
    macros.insert_or_assign("OTHER", {"ULONG C;"});
    EXPECT_EQ(macros.find("OTHER")->size(), 1u);
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

// The screened set answers as the plain set does, for names it holds and names it does not:
// names of every length from none to three over letters of both cases and characters with
// bit 5 set and clear, added and set in turn, then cleared.
TEST(NameSetTest, AScreenedSetAnswersAsThePlainSet) {
    const std::string_view letters = "aAzZ_@`0";
    std::vector<std::string> names = {""};
    for (size_t length = 1; length <= 3; ++length) {
        std::vector<std::string> longer;
        for (const std::string& name : names) {
            if (name.size() + 1 != length) continue;
            for (const char c : letters) longer.push_back(name + c);
        }
        names.insert(names.end(), longer.begin(), longer.end());
    }
    NameSet plain;
    ScreenedNameSet screened;
    for (size_t i = 0; i < names.size(); i += 7) {
        const uint32_t flags = 1u << (i % 3);
        if (i % 2 == 0) {
            plain.add(names[i], flags);
            screened.add(names[i], flags);
        } else {
            plain.set(names[i], flags);
            screened.set(names[i], flags);
        }
    }
    for (const std::string& name : names) {
        ASSERT_EQ(screened.flags(name), plain.flags(name)) << "'" << name << "'";
        ASSERT_EQ(screened.contains(name), plain.contains(name)) << "'" << name << "'";
    }
    screened.clear();
    for (const std::string& name : names) ASSERT_FALSE(screened.contains(name)) << name;
    screened.insert("zA");
    EXPECT_TRUE(screened.contains("zA"));
    EXPECT_FALSE(screened.contains("ZA"));
}

}  // namespace
}  // namespace ondavel
