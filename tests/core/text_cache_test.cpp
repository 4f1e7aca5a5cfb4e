#include "core/text_cache.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ondavel {
namespace {

template <typename Cache>
auto Kept(const Cache& cache, std::string_view text) {
    const auto* value = cache.Find(text);
    return value == nullptr ? std::nullopt : std::optional(*value);
}

// A text keeps its value until another text takes its slot, it is dropped, or everything is
// forgotten; a text found is the whole text, not one that shares its slot or its start.
TEST(TextCacheTest, ATextKeepsItsValueUntilItsSlotIsTakenDroppedOrForgotten) {
    TextCache<std::string, 64> cache;
    EXPECT_EQ(Kept(cache, "REFIID riid"), std::nullopt);
    cache.Keep("REFIID riid", "DWORD");
    cache.Keep("void **ppv", "DWORD ppv");
    EXPECT_EQ(Kept(cache, "REFIID riid"), "DWORD");
    EXPECT_EQ(Kept(cache, "REFIID"), std::nullopt);
    cache.Drop("REFIID riid");
    EXPECT_EQ(Kept(cache, "REFIID riid"), std::nullopt);
    EXPECT_EQ(Kept(cache, "void **ppv"), "DWORD ppv");
    cache.Forget();
    EXPECT_EQ(Kept(cache, "void **ppv"), std::nullopt);
    EXPECT_EQ(cache.Keep("void **ppv", "QWORD ppv"), "QWORD ppv");
    EXPECT_EQ(Kept(cache, "void **ppv"), "QWORD ppv");

    TextCache<int, 1> single;
    single.Keep("A", 1);
    single.Keep("B", 2);
    EXPECT_EQ(Kept(single, "A"), std::nullopt);
    single.Drop("A");  // no longer in the slot: B stays
    EXPECT_EQ(Kept(single, "B"), 2);
}

}  // namespace
}  // namespace ondavel
