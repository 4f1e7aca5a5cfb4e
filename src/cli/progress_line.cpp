#include "cli/progress_line.h"

#include "core/file_io.h"

namespace ondavel {

namespace {

constexpr uint32_t kBarWidth = 30;

std::string ElapsedText(std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    const auto rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace

std::string ProgressLine(const BatchProgress& progress, std::chrono::steady_clock::duration elapsed,
                         bool asBar) {
    const std::string count = std::to_string(progress.done) + "/" + std::to_string(progress.total);
    if (!asBar) return count + " " + std::string(progress.next);
    const uint64_t total = progress.total == 0 ? 1 : progress.total;
    const auto filled = static_cast<size_t>(uint64_t{progress.done} * kBarWidth / total);
    return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "]  " + count +
           "  " + std::string(FileNamePart(progress.next)) + "  " + ElapsedText(elapsed);
}

}  // namespace ondavel
