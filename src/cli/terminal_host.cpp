#include "cli/terminal_host.h"

#include <unistd.h>

#include <cstdio>

#include "core/windows1252.h"

namespace ondavel {

namespace {

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void WriteError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

std::string ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

TerminalHost::TerminalHost(StatusOutput status)
    : quiet_(status == StatusOutput::Quiet), interactive_(isatty(STDERR_FILENO) != 0) {
    // Without a buffer of its own the C library keeps its page-sized one, whatever size is
    // asked for.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

TerminalHost::~TerminalHost() {
    std::fflush(stdout);
    EndStatusLine();
}

void TerminalHost::AppendToView(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void TerminalHost::SetStatus(StatusPart, std::string_view text) {
    if (quiet_) return;
    if (interactive_) {
        ShowStatusLine(ToUtf8(text));
    } else if (!text.empty()) {
        WriteError(ToUtf8(text) + "\n");
    }
}

void TerminalHost::ShowProgress(std::string_view line) {
    if (quiet_) return;
    progress_ = line;
    if (interactive_) {
        ShowStatusLine("");
    } else if (!line.empty()) {
        WriteError(std::string(line) + "\n");
    }
}

void TerminalHost::ShowStatusLine(std::string_view text) {
    std::string line = progress_;
    if (!line.empty() && !text.empty()) line.append("  ");
    line.append(text);
    WriteError("\r\x1b[K" + line);
    statusShown_ = !line.empty();
}

void TerminalHost::ShowMessage(std::string_view caption, std::string_view text, MessageIcon) {
    EndStatusLine();
    WriteError(ToUtf8(caption) + ": " + ToUtf8(text) + "\n");
}

void TerminalHost::KeepStatusLine() {
    if (!statusShown_) return;
    WriteError("\n");
    statusShown_ = false;
}

void TerminalHost::EndStatusLine() {
    if (!statusShown_) return;
    WriteError("\r\x1b[K");
    statusShown_ = false;
}

}  // namespace ondavel
