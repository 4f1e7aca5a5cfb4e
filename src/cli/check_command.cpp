#include "cli/check_command.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "cli/assembler_choice.h"
#include "cli/terminal_host.h"
#include "core/text.h"
#include "proof/assembler_check.h"
#include "session/session.h"

namespace ondavel {

namespace {

void PrintError(const AssemblerError& error) {
    std::printf("  %s(%u): %s\n", error.file.c_str(), error.line, error.message.c_str());
    if (!error.text.empty()) std::printf("      %s\n", ToUtf8(error.text).c_str());
}

// Prints an include's errors; those the base include gave already are only counted.
class CheckPrinter {
  public:
    explicit CheckPrinter(std::string after) : after_(std::move(after)) {}

    void Print(const IncludeCheck& check) {
        if (!check.ran) {
            std::printf("%s: the assembler could not be run\n", check.name.c_str());
            return;
        }
        if (check.name == after_) baseErrors_ = check.errors;
        size_t inherited = 0;
        std::vector<const AssemblerError*> own;
        for (const AssemblerError& error : check.errors) {
            const bool fromBase =
                check.name != after_ &&
                std::find(baseErrors_.begin(), baseErrors_.end(), error) != baseErrors_.end();
            if (fromBase) {
                ++inherited;
            } else {
                own.push_back(&error);
            }
        }
        if (own.empty()) {
            failedThroughBase_ += inherited > 0 ? 1 : 0;
            return;
        }
        if (std::all_of(own.begin(), own.end(), IsForcedError)) ++stoppedByOwnError_;
        std::printf("%s: %zu error%s", check.name.c_str(), own.size(), own.size() == 1 ? "" : "s");
        if (inherited > 0) std::printf(" (and %zu of %s)", inherited, after_.c_str());
        std::printf("\n");
        for (const AssemblerError* error : own) PrintError(*error);
    }

    // Includes whose only errors are those of the base include.
    size_t failedThroughBase() const { return failedThroughBase_; }
    // Includes stopped only by their header's own #error (a header for C++ only, one that
    // wants another included first): the C compiler refuses them as well.
    size_t stoppedByOwnError() const { return stoppedByOwnError_; }

  private:
    static bool IsForcedError(const AssemblerError* error) {
        return InString(1, error->message, "forced error", Case::Ignore).has_value();
    }

    std::string after_;
    size_t failedThroughBase_ = 0;
    size_t stoppedByOwnError_ = 0;
    std::vector<AssemblerError> baseErrors_;
};

}  // namespace

int RunCheckCommand(Session& session, TerminalHost& host, const std::string& assembler,
                    const std::string& after, const std::vector<std::string>& only) {
    if (session.run.outputDirectory.empty()) {
        host.ShowMessage("check", "choose a kit with --kit", MessageIcon::Stop);
        return 1;
    }
    CheckRequest request{session.run.outputDirectory,
                         ChooseAssembler(host, "check", assembler),
                         KitFoldersBeside(session),
                         after,
                         only,
                         std::max(1u, std::thread::hardware_concurrency()),
                         session.run.target};
    if (request.assembler.empty()) return 1;
    CheckPrinter printer(after);
    size_t total = 0;
    const std::optional<size_t> clean = CheckIncludes(request, [&](const IncludeCheck& check,
                                                                   size_t done, size_t count) {
        total = count;
        host.ShowProgress(std::to_string(done) + "/" + std::to_string(count) + " " + check.name);
        printer.Print(check);
        std::fflush(stdout);
    });
    host.ShowProgress("");
    if (!clean) {
        host.ShowMessage("check", "no folder for the assembler's files can be made",
                         MessageIcon::Stop);
        return 1;
    }
    std::printf("%zu of %zu clean", *clean, total);
    if (!after.empty()) std::printf(" (each after %s)", after.c_str());
    if (printer.failedThroughBase() > 0) {
        std::printf("; %zu fail only through the errors of %s", printer.failedThroughBase(),
                    after.c_str());
    }
    if (printer.stoppedByOwnError() > 0) {
        std::printf("; %zu stop only at their header's own #error", printer.stoppedByOwnError());
    }
    std::printf("\n");
    return *clean == total ? 0 : 1;
}

}  // namespace ondavel
