#include "core/saved_strings.h"

#include <new>

#include "core/host.h"

namespace ondavel {

const std::string* AddSavedString(Host& host, SavedStrings& saved, std::string_view text) {
    if (saved.filled >= kSavedStringSlots) {
        host.ShowMessage("ERREUR", "BSTR array too small", MessageIcon::Stop);
        return nullptr;
    }
    std::string& slot = saved.slots[static_cast<size_t>(saved.filled)];
    try {
        slot.assign(text);
    } catch (const std::bad_alloc&) {
        host.ShowMessage("FAILED", "SysAllocString", MessageIcon::Stop);
        return nullptr;
    }
    ++saved.filled;
    return &slot;
}

void RemoveLastSavedString(SavedStrings& saved) {
    if (saved.filled == 0) return;
    --saved.filled;
    std::string().swap(saved.slots[static_cast<size_t>(saved.filled)]);
}

int ClearSavedStrings(SavedStrings& saved) {
    for (int i = 0; i < saved.filled; ++i) std::string().swap(saved.slots[static_cast<size_t>(i)]);
    saved.filled = 0;
    return 1;
}

}  // namespace ondavel
