// The host of the command line: the output view is standard output, byte for byte; status
// texts and messages go to standard error.
#pragma once

#include <string>
#include <string_view>

#include "core/host.h"

namespace ondavel {

// Whether status texts and progress are shown on standard error.
enum class StatusOutput { Shown, Quiet };

class TerminalHost : public Host {
  public:
    explicit TerminalHost(StatusOutput status);
    ~TerminalHost() override;

    void AppendToView(std::string_view bytes) override;
    void SetStatus(StatusPart part, std::string_view text) override;
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override;

    // A batch's progress: on a terminal it heads the status line, otherwise it is logged as
    // one line. An empty line ends it.
    void ShowProgress(std::string_view line);
    bool interactive() const { return interactive_; }
    // Leaves the status line on the terminal instead of clearing it at the end.
    void KeepStatusLine();

  private:
    void EndStatusLine();
    void ShowStatusLine(std::string_view text);

    bool quiet_;
    bool interactive_;          // standard error is a terminal: status texts overwrite each other
    bool statusShown_ = false;  // a status text stands on the terminal's last line
    std::string progress_;      // the batch's progress bar, shown before every status text
};

// Windows-1252 text as UTF-8, for a terminal.
std::string ToUtf8(std::string_view text);

}  // namespace ondavel
