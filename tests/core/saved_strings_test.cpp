#include "core/saved_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"

namespace ondavel {
namespace {

// A header keeps hundreds of structure aliases (winnt.h about 700); a kept string stays where
// it is while the others come, and the table refuses only past its bound.
TEST(SavedStringsTest, KeptStringsStayAndTheBoundIsSaid) {
    testing::RecordingHost host;
    SavedStrings saved;
    const std::string* first = AddSavedString(host, saved, "S0");
    for (int i = 1; i < kSavedStringSlots; ++i) {
        const std::string* kept = AddSavedString(host, saved, "S" + std::to_string(i));
        ASSERT_TRUE(kept != nullptr && *kept == "S" + std::to_string(i)) << i;
    }
    EXPECT_EQ(*first, "S0");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(AddSavedString(host, saved, "one too many"), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption + "/" + host.messages[0].text,
              "ERREUR/BSTR array too small");
    // A header's strings are all forgotten before the next one.
    ClearSavedStrings(saved);
    EXPECT_EQ(saved.filled(), 0);
}

}  // namespace
}  // namespace ondavel
