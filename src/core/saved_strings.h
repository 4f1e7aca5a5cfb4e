// A table of strings kept for the length of one header (structure aliases, conditions).
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace ondavel {

class Host;

// More than any header needs (winnt.h keeps about 700 structure aliases); a bound all the
// same, for a hostile header.
inline constexpr int kSavedStringSlots = 65536;

struct SavedStrings {
    std::deque<std::string> slots;  // a kept string stays where it is while others come

    int filled() const { return static_cast<int>(slots.size()); }
};

// Keeps a copy of text in the first empty slot and returns it; nullptr when all slots are
// taken ("BSTR array too small", caption "ERREUR", shown on host).
const std::string* AddSavedString(Host& host, SavedStrings& saved, std::string_view text);
// Empties the last filled slot, if any.
void RemoveLastSavedString(SavedStrings& saved);
// Empties every slot.
void ClearSavedStrings(SavedStrings& saved);

}  // namespace ondavel
