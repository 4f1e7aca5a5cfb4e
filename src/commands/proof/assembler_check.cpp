#include "proof/assembler_check.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "core/child_process.h"
#include "core/file_io.h"
#include "core/staged_file.h"
#include "core/temp_folder.h"
#include "core/text.h"
#include "run/support_include.h"

namespace ondavel {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProbeName = "probe";

// "FILE(LINE) : MESSAGE", MESSAGE beginning with "Error" or "Fatal error", any case.
bool SplitErrorLine(std::string_view line, AssemblerError& error) {
    const size_t mark = line.find(") : ");
    const size_t open = line.rfind('(', mark);
    if (mark == std::string_view::npos || open == std::string_view::npos || open == 0) return false;
    const std::string_view message = line.substr(mark + 4);
    if (InString(1, message, "error", Case::Ignore) != 1 &&
        InString(1, message, "fatal error", Case::Ignore) != 1)
        return false;
    const std::string_view number = line.substr(open + 1, mark - open - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    error.file = line.substr(0, open);
    error.line = static_cast<uint32_t>(std::strtoul(std::string(number).c_str(), nullptr, 10));
    error.message = message;
    return true;
}

std::string_view LineOf(std::string_view text, uint32_t number) {
    size_t start = 0;
    for (uint32_t line = 1; line < number; ++line) {
        start = text.find('\n', start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    std::string_view line = text.substr(start, text.find('\n', start) - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

// Fills in the text of the line each error points at; files are read once.
void AttachLineTexts(std::vector<AssemblerError>& errors, const fs::path& folder,
                     const fs::path& probeFolder) {
    std::map<std::string, std::string> files;
    for (AssemblerError& error : errors) {
        auto [entry, added] = files.try_emplace(error.file);
        if (added) {
            const bool isProbe = error.file.starts_with(kProbeName);
            ReadFileBytes(((isProbe ? probeFolder : folder) / error.file).string(), entry->second);
        }
        error.text = LineOf(entry->second, error.line);
    }
}

std::vector<std::string> AssemblerCommand(const CheckRequest& request, const fs::path& folder,
                                          const std::string& probe) {
    // -Zp8: the structures outside a packing region are aligned as C aligns them.
    std::vector<std::string> command = {request.assembler, "-q", "-Zs", "-Zne", "-Zp8", "-e100000"};
    if (request.target == Target::Win64) command.push_back("-win64");
    for (std::string& option : IncludeFolderOptions(folder, request.otherFolders))
        command.push_back(std::move(option));
    command.push_back(probe);
    return command;
}

IncludeCheck ResultOf(const std::string& name, const ChildRun& run, const fs::path& folder,
                      const fs::path& probeFolder) {
    IncludeCheck check{name, ParseAssemblerErrors(run.output, folder.string() + "/"), true};
    if (run.exitCode < 0) {
        check.ran = false;
        return check;
    }
    AttachLineTexts(check.errors, folder, probeFolder);
    return check;
}

}  // namespace

std::vector<AssemblerError> ParseAssemblerErrors(std::string_view output, std::string_view folder) {
    std::vector<AssemblerError> errors;
    while (!output.empty()) {
        const size_t end = output.find('\n');
        std::string_view line = output.substr(0, end);
        output.remove_prefix(end == std::string_view::npos ? output.size() : end + 1);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        AssemblerError error;
        if (line.empty() || line.front() == ' ' || !SplitErrorLine(line, error)) continue;
        if (error.file.starts_with(folder)) error.file.erase(0, folder.size());
        errors.push_back(std::move(error));
    }
    return errors;
}

std::string ProbeHead(std::string_view include, std::string_view after, Target target) {
    // The 64-bit assembler has one model and one calling convention, its own by default.
    std::string source = target == Target::Win64
                             ? "option casemap:none\r\ninclude "
                             : ".386\r\n.model flat, stdcall\r\noption casemap:none\r\ninclude ";
    source.append(kSupportIncludeName).append("\r\n");
    if (!after.empty() && after != include) source.append("include ").append(after).append("\r\n");
    return source.append("include ").append(include).append("\r\n");
}

std::string ProbeSource(std::string_view include, std::string_view after, Target target) {
    return ProbeHead(include, after, target).append("end\r\n");
}

std::vector<std::string> IncludeFolderOptions(const fs::path& folder,
                                              const std::vector<std::string>& otherFolders) {
    std::vector<std::string> options = {"-I" + folder.string()};
    for (const std::string& other : otherFolders)
        options.push_back("-I" + fs::absolute(other).lexically_normal().string());
    return options;
}

std::vector<std::string> IncludesToCheck(const std::string& folder, std::string_view after,
                                         const std::vector<std::string>& only) {
    std::vector<std::string> names = only;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         only.empty() && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().extension() == ".sdk")
            names.push_back(it->path().lexically_relative(folder).generic_string());
    }
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return std::make_pair(a != after, a) < std::make_pair(b != after, b);
    });
    return names;
}

std::optional<size_t> CheckIncludes(
    const CheckRequest& request,
    const std::function<void(const IncludeCheck&, size_t, size_t)>& report) {
    const TempFolder probes("ondavel-check");
    if (probes.path().empty()) return std::nullopt;
    fs::path folder = fs::absolute(request.outputFolder).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    const std::vector<std::string> names =
        IncludesToCheck(folder.string(), request.after, request.only);
    const size_t jobs = std::max(1u, request.jobs);
    size_t clean = 0;
    for (size_t first = 0; first < names.size(); first += jobs) {
        const size_t count = std::min(jobs, names.size() - first);
        std::vector<std::vector<std::string>> commands;
        for (size_t i = 0; i < count; ++i) {
            const std::string probe = std::string(kProbeName) + std::to_string(i) + ".asm";
            const std::string source = ProbeSource(names[first + i], request.after, request.target);
            if (!ReplaceFileContent((probes.path() / probe).string(), source)) return std::nullopt;
            commands.push_back(AssemblerCommand(request, folder, probe));
        }
        const std::vector<ChildRun> runs = RunChildren(commands, probes.path().string());
        for (size_t i = 0; i < count; ++i) {
            const IncludeCheck check = ResultOf(names[first + i], runs[i], folder, probes.path());
            if (check.ran && check.errors.empty()) ++clean;
            report(check, first + i + 1, names.size());
        }
    }
    return clean;
}

}  // namespace ondavel
