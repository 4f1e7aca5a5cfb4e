#include "core/short_text_cache.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace ondavel {
namespace {

template <size_t kSlots>
std::optional<std::pair<int, std::string>> Kept(const ShortTextCache<kSlots>& cache,
                                                std::string_view text) {
    const auto kept = cache.Find(text);
    if (!kept) return std::nullopt;
    return std::pair(int{kept->tag}, std::string(kept->value));
}

// A text keeps its tag and value, empty ones too, until another text takes its slot or
// everything is forgotten; a text and value too long to share a slot are not kept at all.
TEST(ShortTextCacheTest, ATextKeepsItsTagAndValueWhileItHoldsItsSlot) {
    ShortTextCache<64> cache;
    EXPECT_EQ(Kept(cache, "REFIID riid"), std::nullopt);
    cache.Keep("REFIID riid", 2, "REFIID riid");
    cache.Keep("IN", 1, "");
    EXPECT_EQ(Kept(cache, "REFIID riid"), std::pair(2, std::string("REFIID riid")));
    EXPECT_EQ(Kept(cache, "IN"), std::pair(1, std::string()));
    EXPECT_EQ(Kept(cache, "REFIID"), std::nullopt);
    cache.Forget();
    EXPECT_EQ(Kept(cache, "IN"), std::nullopt);

    const std::string text(60, 't');
    cache.Keep(text, 0, std::string(55, 'v'));  // 115 bytes: more than a slot holds
    EXPECT_EQ(Kept(cache, text), std::nullopt);
    cache.Keep(text, 0, std::string(53, 'v'));  // 113 bytes: the most it holds
    EXPECT_EQ(Kept(cache, text), std::pair(0, std::string(53, 'v')));

    ShortTextCache<1> single;
    single.Keep("A", 1, "a");
    single.Keep("B", 2, "b");
    EXPECT_EQ(Kept(single, "A"), std::nullopt);
    EXPECT_EQ(Kept(single, "B"), std::pair(2, std::string("b")));
}

}  // namespace
}  // namespace ondavel
