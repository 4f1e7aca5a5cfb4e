#include "core/saved_strings.h"

#include <new>

#include "core/host.h"
#include "core/messages.h"

namespace ondavel {

const std::string* AddSavedString(Host& host, SavedStrings& saved, std::string_view text) {
    if (saved.filled() >= kSavedStringSlots) {
        host.ShowMessage(texts::kSlotsFullCaption, texts::kSlotsFull, MessageIcon::Stop);
        return nullptr;
    }
    try {
        saved.slots.emplace_back(text);
    } catch (const std::bad_alloc&) {
        host.ShowMessage(texts::kSavingFailedCaption, texts::kSavingFailed, MessageIcon::Stop);
        return nullptr;
    }
    return &saved.slots.back();
}

void RemoveLastSavedString(SavedStrings& saved) {
    if (!saved.slots.empty()) saved.slots.pop_back();
}

void ClearSavedStrings(SavedStrings& saved) {
    std::deque<std::string>().swap(saved.slots);
}

}  // namespace ondavel
