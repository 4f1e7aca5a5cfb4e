// A host that keeps everything the translation showed, for assertions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"

namespace ondavel::testing {

struct RecordedMessage {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

class RecordingHost : public Host {
  public:
    void AppendToView(std::string_view bytes) override { view.append(bytes); }
    void SetStatus(StatusPart part, std::string_view text) override {
        statuses.push_back({part, std::string(text)});
    }
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(caption), std::string(text), icon});
    }

    std::string view;
    std::vector<std::pair<StatusPart, std::string>> statuses;
    std::vector<RecordedMessage> messages;
};

}  // namespace ondavel::testing
