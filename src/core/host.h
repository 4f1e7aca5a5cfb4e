// The host port: everything the translation needs from the program that runs it.
#pragma once

#include <string_view>

namespace ondavel {

// The two parts of the status bar: progress of the current work, and the chosen kit.
enum class StatusPart { Progress = 0, Kit = 1 };

enum class MessageIcon { Information, Stop };

class Host {
  public:
    virtual ~Host() = default;

    // Appends bytes to the output view exactly as they are (lines already end with CR LF).
    virtual void AppendToView(std::string_view bytes) = 0;
    virtual void SetStatus(StatusPart part, std::string_view text) = 0;
    // A message box; the translation goes on once it has been shown.
    virtual void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) = 0;
    // The main window's title; a host without a window has nothing to show it in.
    virtual void SetTitle(std::string_view) {}
};

// A host that shows nothing: for benchmarks and fuzzing, where only the translation counts.
class DiscardingHost : public Host {
  public:
    void AppendToView(std::string_view) override {}
    void SetStatus(StatusPart, std::string_view) override {}
    void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
};

// Shows the text of the last system error (errno) with the given caption and the stop icon.
// A non-empty subject (usually a path) is put before the error text.
void ShowLastError(Host& host, std::string_view caption, std::string_view subject = {});

}  // namespace ondavel
