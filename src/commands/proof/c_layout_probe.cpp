#include "proof/c_layout_probe.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/text.h"
#include "proof/library_exports.h"

namespace ondavel {

namespace {

constexpr std::string_view kArrayName = "ondavel_probe";
constexpr std::string_view kTagNames[] = {"struct ", "union "};
constexpr std::string_view kVtblPrefix = "ST";
constexpr std::string_view kObjectSuffix = "_Object";

std::string_view WithoutBlankEnds(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    return line;
}

// Appends the values of one data line of the array; false when the line is none.
bool AppendData(std::string_view line, std::vector<uint32_t>& values) {
    for (std::string_view zeros : {".zero", ".space"}) {
        if (line.starts_with(zeros) && line.size() > zeros.size() && line[zeros.size()] == '\t') {
            values.insert(values.end(), TextToNumber(Trimmed(line.substr(zeros.size()))) / 4, 0);
            return true;
        }
    }
    if (!line.starts_with(".long\t")) return false;
    values.push_back(TextToNumber(Trimmed(line.substr(6))));
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

std::vector<uint32_t> ArrayValues(std::string_view assembly, std::string_view symbol) {
    std::vector<uint32_t> values;
    const std::string label = "\n" + std::string(symbol) + ":";
    const size_t at = assembly.find(label);
    if (at == std::string_view::npos) return values;
    assembly.remove_prefix(assembly.find('\n', at + 1) + 1);
    while (!assembly.empty()) {
        const size_t end = assembly.find('\n');
        if (!AppendData(WithoutBlankEnds(assembly.substr(0, end)), values)) break;
        assembly.remove_prefix(end == std::string_view::npos ? assembly.size() : end + 1);
    }
    return values;
}

CLayoutProbe::CLayoutProbe(const CTools& tools, int slot, std::string header,
                           const std::vector<AggregateDeclaration>& aggregates)
    : CProbe(tools, "c" + std::to_string(slot), std::move(header),
             "const unsigned " + std::string(kArrayName) + "[] = {\n", "0};\n", "-S", "s"),
      values_(aggregates.size()) {
    // Every spelling of each value is asked, one a line: the compiler refuses the wrong ones,
    // and the first one of each value that it takes gives that value.
    for (size_t a = 0; a < aggregates.size(); ++a) {
        values_[a].offsets.resize(aggregates[a].members.size());
        std::vector<std::vector<std::string>> memberPaths;
        for (const std::string& member : aggregates[a].members)
            memberPaths.push_back(CMemberPaths(member));
        for (std::string& type : CAggregateNames(aggregates[a])) {
            // "*(T *)0" insists on a type: sizeof would measure a function or variable too.
            items_.push_back({a, -1});
            Ask("sizeof(*(" + type + " *)0),");
            for (size_t m = 0; m < memberPaths.size(); ++m) {
                for (const std::string& path : memberPaths[m]) {
                    items_.push_back({a, static_cast<int>(m)});
                    Ask("__builtin_offsetof(" + type + ", " + path + "),");
                }
            }
        }
    }
}

void CLayoutProbe::Compiled() {
    std::string assembly;
    ReadFileBytes(OutputPath().string(), assembly);
    const std::vector<uint32_t> values = ArrayValues(assembly, CSymbol(kArrayName, tools().target));
    std::vector<bool> closed(values_.size());  // a size is known: other spellings pass by
    for (size_t i = 0; i < asked().size() && i < values.size(); ++i) {
        const Item& item = items_[asked()[i]];
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
}

}  // namespace ondavel
