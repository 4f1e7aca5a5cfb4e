#include "driver/c_layout_probe.h"

#include <cstdlib>
#include <set>

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
    std::string plain;
    for (size_t start = 0; start <= path.size();) {
        size_t end = path.find('.', start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(start, end - start);
        if (part.size() > 1 && part.front() == '_') part.remove_prefix(1);
        plain.append(plain.empty() && start == 0 ? "" : ".").append(part);
        start = end + 1;
    }
    std::vector<std::string> paths = {std::string(path)};
    if (plain != path) paths.push_back(std::move(plain));
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
      spellings_(aggregates.size()),
      values_(aggregates.size()) {
    for (size_t a = 0; a < aggregates.size(); ++a) {
        aggregateNames_.push_back(CAggregateNames(aggregates[a]));
        memberPaths_.emplace_back();
        for (const std::string& member : aggregates[a].members)
            memberPaths_.back().push_back(CMemberPaths(member));
        spellings_[a].members.assign(aggregates[a].members.size(), 0);
        values_[a].offsets.resize(aggregates[a].members.size());
    }
}

std::string CLayoutProbe::Source() {
    std::string source = "#include \"" + std::string(kCommonCHeader) + "\"\n#include \"" +
                         header_ + "\"\nconst unsigned " + std::string(kArrayName) + "[] = {\n";
    asked_.clear();
    for (size_t a = 0; a < spellings_.size(); ++a) {
        const Spelling& spelling = spellings_[a];
        if (spelling.aggregate >= aggregateNames_[a].size()) continue;
        const std::string& type = aggregateNames_[a][spelling.aggregate];
        // "*(T *)0" insists on a type: sizeof would measure a function or variable of the name.
        source.append("sizeof(*(").append(type).append(" *)0),\n");
        asked_.push_back({a, -1});
        for (size_t m = 0; m < spelling.members.size(); ++m) {
            if (spelling.members[m] >= memberPaths_[a][m].size()) continue;
            source.append("__builtin_offsetof(").append(type).append(", ");
            source.append(memberPaths_[a][m][spelling.members[m]]).append("),\n");
            asked_.push_back({a, static_cast<int>(m)});
        }
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
    Retry(lines);
}

// Asks again by each refused name's next spelling; a member is only moved on when its
// aggregate's name was taken.
void CLayoutProbe::Retry(const std::vector<uint32_t>& errorLines) {
    std::set<size_t> refused;
    for (uint32_t line : errorLines) {
        if (line < kFirstLine || line - kFirstLine >= asked_.size()) continue;
        refused.insert(line - kFirstLine);
    }
    std::set<size_t> renamed;
    for (size_t index : refused) {
        if (asked_[index].member >= 0) continue;
        ++spellings_[asked_[index].aggregate].aggregate;
        renamed.insert(asked_[index].aggregate);
    }
    for (size_t index : refused) {
        const Asked& asked = asked_[index];
        if (asked.member >= 0 && !renamed.contains(asked.aggregate))
            ++spellings_[asked.aggregate].members[static_cast<size_t>(asked.member)];
    }
}

void CLayoutProbe::ReadValues(std::string_view assembly) {
    const std::vector<uint32_t> values = ArrayValues(assembly, "_" + std::string(kArrayName));
    for (size_t i = 0; i < asked_.size() && i < values.size(); ++i) {
        LayoutValues& layout = values_[asked_[i].aggregate];
        if (asked_[i].member < 0) {
            layout.size = values[i];
        } else {
            layout.offsets[static_cast<size_t>(asked_[i].member)] = values[i];
        }
    }
    done_ = true;
}

}  // namespace ondavel
