#include "core/saved_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"

namespace ondavel {
namespace {

TEST(SavedStringsTest, TheSeventyFirstStringIsRefusedAndTheOthersStay) {
    testing::RecordingHost host;
    SavedStrings saved;
    for (int i = 0; i < kSavedStringSlots; ++i) {
        const std::string* kept = AddSavedString(host, saved, "S" + std::to_string(i));
        ASSERT_TRUE(kept != nullptr && *kept == "S" + std::to_string(i)) << i;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(AddSavedString(host, saved, "one too many"), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption + "/" + host.messages[0].text,
              "ERREUR/BSTR array too small");
    EXPECT_EQ(saved.slots[kSavedStringSlots - 1], "S69");

    EXPECT_EQ(ClearSavedStrings(saved), 1);
    for (const std::string& slot : saved.slots) EXPECT_TRUE(slot.empty());
    EXPECT_EQ(AddSavedString(host, saved, "again"), &saved.slots[0]);
}

}  // namespace
}  // namespace ondavel
