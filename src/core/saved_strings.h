// A small table of strings kept for the length of one header (structure aliases, conditions).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ondavel {

class Host;

inline constexpr int kSavedStringSlots = 70;

struct SavedStrings {
    std::array<std::string, kSavedStringSlots> slots;
    int filled = 0;  // slots are filled from the first one and emptied together
};

// Keeps a copy of text in the first empty slot and returns it; nullptr when all slots are
// taken ("BSTR array too small", caption "ERREUR", shown on host).
const std::string* AddSavedString(Host& host, SavedStrings& saved, std::string_view text);
// Empties the last filled slot, if any.
void RemoveLastSavedString(SavedStrings& saved);
// Empties every slot. Returns 1.
int ClearSavedStrings(SavedStrings& saved);

}  // namespace ondavel
