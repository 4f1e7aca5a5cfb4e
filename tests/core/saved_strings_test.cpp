#include "core/saved_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"

namespace ondavel {
namespace {

using ondavel::testing::RecordingHost;

TEST(SavedStringsTest, TheSeventyFirstStringIsRefusedAndTheOthersStay) {
    RecordingHost host;
    SavedStrings saved;
    // An empty text takes a slot like any other.
    ASSERT_NE(AddSavedString(host, saved, ""), nullptr);
    for (int i = 1; i < kSavedStringSlots; ++i) {
        const std::string* kept = AddSavedString(host, saved, "S" + std::to_string(i));
        ASSERT_NE(kept, nullptr) << i;
        EXPECT_EQ(*kept, "S" + std::to_string(i));
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(AddSavedString(host, saved, "one too many"), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "ERREUR");
    EXPECT_EQ(host.messages[0].text, "BSTR array too small");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(saved.slots[0], "");
    EXPECT_EQ(saved.slots[kSavedStringSlots - 1], "S69");

    EXPECT_EQ(ClearSavedStrings(saved), 1);
    for (const std::string& slot : saved.slots) EXPECT_TRUE(slot.empty());
    const std::string* first = AddSavedString(host, saved, "again");
    EXPECT_EQ(first, &saved.slots[0]);
    EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace ondavel
