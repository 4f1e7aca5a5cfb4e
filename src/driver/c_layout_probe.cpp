#include "driver/c_layout_probe.h"

#include <algorithm>
#include <cstdlib>

#include "core/file_io.h"
#include "core/staged_file.h"

namespace ondavel {

namespace {

constexpr uint32_t kFirstLine = 4;  // the probe's first asked line
constexpr std::string_view kArrayName = "ondavel_probe";
constexpr std::string_view kTagNames[] = {"struct ", "union "};
constexpr std::string_view kVtblPrefix = "ST";
constexpr std::string_view kObjectSuffix = "_Object";

bool IsNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

uint32_t NumberOf(std::string_view text) {
    return static_cast<uint32_t>(std::strtoul(std::string(text).c_str(), nullptr, 0));
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
    number = NumberOf(place.substr(lineStart, withColumn ? last - lineStart : std::string::npos));
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

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    return line;
}

// Appends the values of one data line of the array; false when the line is none.
bool AppendData(std::string_view line, std::vector<uint32_t>& values) {
    for (std::string_view zeros : {".zero", ".space"}) {
        if (line.starts_with(zeros) && line.size() > zeros.size() && line[zeros.size()] == '\t') {
            values.insert(values.end(), NumberOf(Trimmed(line.substr(zeros.size()))) / 4, 0);
            return true;
        }
    }
    if (!line.starts_with(".long\t")) return false;
    values.push_back(NumberOf(Trimmed(line.substr(6))));
    return true;
}

// A member's name as C may write it: as it stands (renaming 0), without the leading '_' the
// translation gives a name the assembler reserves (1), and so with a capital first letter (2).
std::string CName(std::string_view name, int renaming) {
    if (renaming == 0 || name.size() < 2 || name.front() != '_') return std::string(name);
    std::string plain(name.substr(1));
    if (renaming == 2 && plain.front() >= 'a' && plain.front() <= 'z') plain.front() -= 'a' - 'A';
    return plain;
}

}  // namespace

std::vector<std::string> PrecompileCommand(const std::string& compiler) {
    const std::string header(kCommonCHeader);
    return {compiler, "-x", "c-header", "-w", header, "-o", header + ".gch"};
}

std::string CommonCHeaderText() {
    return "#include <windows.h>\n";
}

std::vector<std::string> CAggregateNames(const AggregateDeclaration& aggregate) {
    const std::string& name = aggregate.name;
    std::vector<std::string> names = {name,
                                      std::string(kTagNames[aggregate.isUnion ? 1 : 0]) + name};
    if (name.size() > kVtblPrefix.size() && name.starts_with(kVtblPrefix))
        names.push_back(name.substr(kVtblPrefix.size()) + "Vtbl");
    if (name.size() > kObjectSuffix.size() && name.ends_with(kObjectSuffix))
        names.push_back(name.substr(0, name.size() - kObjectSuffix.size()));
    return names;
}

std::vector<std::string> CMemberPaths(std::string_view path) {
    std::vector<std::string> parts;
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find('.', start), path.size());
        parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::string> paths;
    // Every choice of the outer names to pass over (an aggregate C leaves unnamed, such as
    // DUMMYUNIONNAME), the fewest first, each with the names as they stand, without the
    // translation's '_', and without it with the first letter as a capital ("_type", "Type").
    const size_t outer = parts.size() - 1;
    for (size_t dropped = 0; dropped < (size_t{1} << outer); ++dropped) {
        for (int renaming = 0; renaming < 3; ++renaming) {
            std::string candidate;
            for (size_t i = 0; i < parts.size(); ++i) {
                if (i < outer && (dropped >> i & 1) != 0) continue;
                candidate.append(candidate.empty() ? "" : ".").append(CName(parts[i], renaming));
            }
            if (std::find(paths.begin(), paths.end(), candidate) == paths.end())
                paths.push_back(std::move(candidate));
        }
    }
    return paths;
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

std::vector<uint32_t> ArrayValues(std::string_view assembly, std::string_view symbol) {
    std::vector<uint32_t> values;
    const std::string label = "\n" + std::string(symbol) + ":";
    const size_t at = assembly.find(label);
    if (at == std::string_view::npos) return values;
    assembly.remove_prefix(assembly.find('\n', at + 1) + 1);
    while (!assembly.empty()) {
        const size_t end = assembly.find('\n');
        if (!AppendData(Trimmed(assembly.substr(0, end)), values)) break;
        assembly.remove_prefix(end == std::string_view::npos ? assembly.size() : end + 1);
    }
    return values;
}

CLayoutProbe::CLayoutProbe(std::filesystem::path folder, int slot, std::string compiler,
                           std::string header, const std::vector<AggregateDeclaration>& aggregates)
    : folder_(std::move(folder)),
      name_("c" + std::to_string(slot)),
      compiler_(std::move(compiler)),
      header_(std::move(header)),
      values_(aggregates.size()) {
    for (size_t a = 0; a < aggregates.size(); ++a) {
        values_[a].offsets.resize(aggregates[a].members.size());
        std::vector<std::vector<std::string>> memberPaths;
        for (const std::string& member : aggregates[a].members)
            memberPaths.push_back(CMemberPaths(member));
        for (std::string& type : CAggregateNames(aggregates[a])) {
            // "*(T *)0" insists on a type: sizeof would measure a function or variable too.
            items_.push_back({a, -1, "sizeof(*(" + type + " *)0)"});
            for (size_t m = 0; m < memberPaths.size(); ++m) {
                for (const std::string& path : memberPaths[m]) {
                    items_.push_back({a, static_cast<int>(m),
                                      "__builtin_offsetof(" + type + ", " + path + ")"});
                }
            }
        }
    }
}

// Every spelling still possible, one a line: the compiler refuses the wrong ones, and the
// first one of each value that it takes gives that value.
std::string CLayoutProbe::Source() {
    std::string source = "#include \"" + std::string(kCommonCHeader) + "\"\n#include \"" +
                         header_ + "\"\nconst unsigned " + std::string(kArrayName) + "[] = {\n";
    asked_.clear();
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].refused) continue;
        source.append(items_[i].text).append(",\n");
        asked_.push_back(i);
    }
    return source.append("0};\n");
}

std::vector<std::string> CLayoutProbe::Next() {
    if (done_) return {};
    const std::string source = Source();
    if (asked_.empty() || !ReplaceFileContent((folder_ / (name_ + ".c")).string(), source)) {
        done_ = true;
        return {};
    }
    return {compiler_, "-S", "-w", "-o", name_ + ".s", name_ + ".c"};
}

void CLayoutProbe::Take(const ChildRun& run) {
    if (run.exitCode == 0) {
        std::string assembly;
        ReadFileBytes((folder_ / (name_ + ".s")).string(), assembly);
        ReadValues(assembly);
        return;
    }
    bool outsideError = false;
    const std::vector<uint32_t> lines = ProbeErrorLines(run.output, name_ + ".c", outsideError);
    if (outsideError || lines.empty()) {
        headerRefused_ = true;
        done_ = true;
        return;
    }
    for (uint32_t line : lines) {
        if (line >= kFirstLine && line - kFirstLine < asked_.size())
            items_[asked_[line - kFirstLine]].refused = true;
    }
}

void CLayoutProbe::ReadValues(std::string_view assembly) {
    const std::vector<uint32_t> values = ArrayValues(assembly, "_" + std::string(kArrayName));
    std::vector<bool> closed(values_.size());  // a size is known: other spellings pass by
    for (size_t i = 0; i < asked_.size() && i < values.size(); ++i) {
        const Item& item = items_[asked_[i]];
        LayoutValues& layout = values_[item.aggregate];
        if (closed[item.aggregate]) continue;
        if (item.member < 0) {
            closed[item.aggregate] = layout.size.has_value();
            if (!layout.size) layout.size = values[i];
        } else if (std::optional<uint32_t>& offset =
                       layout.offsets[static_cast<size_t>(item.member)];
                   !offset) {
            offset = values[i];
        }
    }
    done_ = true;
}

}  // namespace ondavel
