#include "proof/c_probe.h"

#include "core/staged_file.h"
#include "core/text.h"

namespace ondavel {

namespace {

bool IsNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "FILE:LINE:COL" or "FILE:LINE": the file and the line.
bool SplitPlace(std::string_view place, std::string_view& file, uint32_t& number) {
    const size_t last = place.rfind(':');
    if (last == std::string_view::npos || last == 0 || !IsNumber(place.substr(last + 1)))
        return false;
    const size_t before = place.rfind(':', last - 1);
    const bool withColumn =
        before != std::string_view::npos && IsNumber(place.substr(before + 1, last - before - 1));
    const size_t lineStart = withColumn ? before + 1 : last + 1;
    file = place.substr(0, lineStart - 1);
    number = TextToNumber(place.substr(lineStart, withColumn ? last - lineStart : std::string::npos));
    return true;
}

// "PLACE: KIND: message": the file and line of the place, and the kind (error or note).
bool SplitDiagnostic(std::string_view line, std::string_view& file, uint32_t& number,
                     std::string_view& kind) {
    for (std::string_view candidate : {"error", "fatal error", "note"}) {
        const size_t at = line.find(": " + std::string(candidate) + ": ");
        if (at == std::string_view::npos) continue;
        kind = candidate;
        return SplitPlace(line.substr(0, at), file, number);
    }
    return false;
}

uint32_t NewlinesIn(std::string_view text) {
    uint32_t count = 0;
    for (char c : text) count += c == '\n' ? 1 : 0;
    return count;
}

}  // namespace

std::vector<std::string> PrecompileCommand(const std::string& compiler) {
    const std::string header(kCommonCHeader);
    return {compiler, "-x", "c-header", "-w", header, "-o", header + ".gch"};
}

std::string CommonCHeaderText() {
    return "#include <windows.h>\n";
}

std::vector<uint32_t> ProbeErrorLines(std::string_view diagnostics, std::string_view probeName,
                                      bool& outsideError) {
    std::vector<uint32_t> lines;
    bool unexplained = false;  // an error outside the probe that no note has placed in it yet
    outsideError = false;
    while (!diagnostics.empty()) {
        const size_t end = diagnostics.find('\n');
        std::string_view file, kind;
        uint32_t number = 0;
        if (SplitDiagnostic(diagnostics.substr(0, end), file, number, kind)) {
            const bool inProbe = file == probeName;
            if (kind != "note") {
                outsideError |= unexplained;
                unexplained = !inProbe;
            }
            if (inProbe && (kind != "note" || unexplained)) {
                lines.push_back(number);
                if (kind == "note") unexplained = false;
            }
        }
        diagnostics.remove_prefix(end == std::string_view::npos ? diagnostics.size() : end + 1);
    }
    outsideError |= unexplained;
    return lines;
}

CProbe::CProbe(CTools tools, std::string name, std::string header, std::string opening,
               std::string closing, std::string outputOption, std::string output)
    : tools_(std::move(tools)),
      name_(std::move(name)),
      header_(std::move(header)),
      opening_(std::move(opening)),
      closing_(std::move(closing)),
      outputOption_(std::move(outputOption)),
      output_(std::move(output)) {}

// Every line not refused yet: the compiler refuses the wrong ones, and takes the others.
std::string CProbe::Source() {
    std::string source = "#include \"" + std::string(kCommonCHeader) + "\"\n#include \"" +
                         header_ + "\"\n" + opening_;
    firstLine_ = NewlinesIn(source) + 1;
    asked_.clear();
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].refused) continue;
        source.append(lines_[i].text).append("\n");
        asked_.push_back(i);
    }
    return source.append(closing_);
}

std::vector<std::string> CProbe::Next() {
    if (done_) return {};
    if (compiled_) {
        std::vector<std::string> command = NextAfterCompiled();
        done_ = command.empty();
        return command;
    }
    const std::string source = Source();
    if (asked_.empty() || !ReplaceFileContent((tools_.folder / (name_ + ".c")).string(), source)) {
        done_ = true;
        return {};
    }
    return {tools_.compiler, outputOption_, "-w", "-o", name_ + "." + output_, name_ + ".c"};
}

void CProbe::Take(const ChildRun& run) {
    if (compiled_) {
        TakeAfterCompiled(run);
        return;
    }
    if (run.exitCode == 0) {
        compiled_ = true;
        Compiled();
        return;
    }
    bool outsideError = false;
    const std::vector<uint32_t> lines = ProbeErrorLines(run.output, name_ + ".c", outsideError);
    if (outsideError || lines.empty()) {
        headerRefused_ = true;
        done_ = true;
        return;
    }
    bool anyRefused = false;  // else the same source would fail the same way again
    for (uint32_t line : lines) {
        if (line < firstLine_ || line - firstLine_ >= asked_.size()) continue;
        lines_[asked_[line - firstLine_]].refused = true;
        anyRefused = true;
    }
    done_ = !anyRefused;
}

}  // namespace ondavel
