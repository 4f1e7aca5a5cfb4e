#include "driver/masm_probe.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <system_error>

#include "core/file_io.h"
#include "core/staged_file.h"
#include "driver/assembler_check.h"
#include "driver/library_exports.h"

namespace ondavel {

namespace {

constexpr std::string_view kEchoMark = "ondavel_probe ";

uint32_t LinesIn(std::string_view text) {
    return static_cast<uint32_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

std::vector<std::pair<size_t, uint32_t>> EchoedValues(std::string_view output) {
    std::vector<std::pair<size_t, uint32_t>> values;
    for (size_t at = output.find(kEchoMark); at != std::string_view::npos;
         at = output.find(kEchoMark, at + 1)) {
        if (at > 0 && output[at - 1] != '\n') continue;
        char* end = nullptr;
        const char* start = output.data() + at + kEchoMark.size();
        const size_t index = std::strtoul(start, &end, 10);
        if (end == start || *end != ' ') continue;
        const char* number = end + 1;
        const unsigned long value = std::strtoul(number, &end, 10);
        if (end != number) values.emplace_back(index, static_cast<uint32_t>(value));
    }
    return values;
}

MasmProbe::MasmProbe(const MasmTools& tools, int slot, std::string include, std::string after,
                     const IncludeDeclarations& declarations)
    : tools_(tools),
      name_("m" + std::to_string(slot)),
      include_(std::move(include)),
      after_(std::move(after)),
      declarations_(declarations),
      refusedPrototype_(declarations.prototypes.size()),
      values_(declarations.aggregates.size()),
      decorated_(declarations.prototypes.size()) {
    for (size_t a = 0; a < declarations.aggregates.size(); ++a) {
        const size_t members = declarations.aggregates[a].members.size();
        layoutAsked_.push_back({a, -1});
        for (size_t m = 0; m < members; ++m) layoutAsked_.push_back({a, static_cast<int>(m)});
        values_[a].offsets.resize(members);
    }
    refusedLayout_.assign(layoutAsked_.size(), false);
}

// Each value as a text equate echoed beside its number, then ".code" and a reference to each
// prototype that the object file is to ask for.
std::string MasmProbe::Source(bool withLayouts) {
    std::string source = ProbeHead(include_, after_);
    firstLine_ = LinesIn(source) + 1;
    lines_.clear();
    for (size_t i = 0; withLayouts && i < layoutAsked_.size(); ++i) {
        const AggregateDeclaration& aggregate = declarations_.aggregates[layoutAsked_[i].aggregate];
        const int member = layoutAsked_[i].member;
        const std::string value =
            member < 0 ? "SIZEOF " + aggregate.name
                       : aggregate.name + "." + aggregate.members[static_cast<size_t>(member)];
        source.append("ondavel_value TEXTEQU %(").append(value).append(")\r\n");
        source.append("%ECHO ").append(kEchoMark).append(std::to_string(i));
        source.append(" ondavel_value\r\n");
        lines_.push_back({false, i});
        lines_.push_back({false, i});
    }
    source.append(".code\r\n");
    lines_.push_back({false, layoutAsked_.size()});  // no value: an error here is the include's
    for (size_t p = 0; p < declarations_.prototypes.size(); ++p) {
        if (refusedPrototype_[p]) continue;
        source.append("dd ").append(declarations_.prototypes[p]).append("\r\n");
        lines_.push_back({true, p});
    }
    return source.append("end\r\n");
}

std::vector<std::string> MasmProbe::Next() {
    std::vector<std::string> command;
    if (stage_ == Stage::ReadObject) return {tools_.nm, name_ + ".obj"};
    if (stage_ == Stage::Done) return command;
    const std::string source = Source(stage_ == Stage::Assemble);
    if (!ReplaceFileContent((tools_.folder / (name_ + ".asm")).string(), source)) {
        stage_ = Stage::Done;
        return command;
    }
    // The errors go to a file of their own: on the terminal they would cut into the echoed
    // lines, the two streams being written apart.
    std::error_code ignored;
    std::filesystem::remove(tools_.folder / (name_ + ".err"), ignored);
    command = {tools_.assembler, "-q",   "-Zne", "-Zp8", "-coff", "-e100000",
               "-eq",            "-Fw" + name_ + ".err", "-Fo" + name_ + ".obj"};
    command.insert(command.end(), tools_.includeOptions.begin(), tools_.includeOptions.end());
    command.push_back(name_ + ".asm");
    return command;
}

void MasmProbe::Take(const ChildRun& run) {
    switch (stage_) {
        case Stage::Assemble:
        case Stage::AssembleAgain:
            TakeAssembly(run);
            return;
        case Stage::ReadObject:
            TakeSymbols(run.output);
            return;
        case Stage::Done:
            return;
    }
}

const MasmProbe::Asked* MasmProbe::AskedAt(const AssemblerError& error) const {
    if (error.file != name_ + ".asm" || error.line < firstLine_) return nullptr;
    const size_t index = error.line - firstLine_;
    if (index >= lines_.size()) return nullptr;
    const Asked& asked = lines_[index];
    const size_t count = asked.prototype ? decorated_.size() : layoutAsked_.size();
    return asked.index < count ? &asked : nullptr;
}

// Marks what the assembler refused; when only the probe's own lines were refused, the probe
// is assembled again without them, for the object file (an error of the first pass hides
// those of the second, so that may take more than one more run).
void MasmProbe::TakeAssembly(const ChildRun& run) {
    bool includeErrors = run.exitCode < 0;
    std::string errors;
    ReadFileBytes((tools_.folder / (name_ + ".err")).string(), errors);
    for (const AssemblerError& error : ParseAssemblerErrors(errors, "")) {
        const Asked* asked = AskedAt(error);
        if (asked == nullptr) {
            includeErrors = true;
        } else {
            (asked->prototype ? refusedPrototype_ : refusedLayout_)[asked->index] = true;
        }
    }
    TakeValues(run.output);
    if (run.exitCode == 0) {
        stage_ = Stage::ReadObject;
    } else {
        stage_ = includeErrors ? Stage::Done : Stage::AssembleAgain;
    }
}

void MasmProbe::TakeValues(std::string_view output) {
    for (const auto& [index, value] : EchoedValues(output)) {
        if (index >= layoutAsked_.size() || refusedLayout_[index]) continue;
        LayoutValues& layout = values_[layoutAsked_[index].aggregate];
        const int member = layoutAsked_[index].member;
        (member < 0 ? layout.size : layout.offsets[static_cast<size_t>(member)]) = value;
    }
}

void MasmProbe::TakeSymbols(std::string_view listing) {
    std::map<std::string, size_t, std::less<>> byName;
    for (size_t p = 0; p < declarations_.prototypes.size(); ++p)
        byName.emplace(declarations_.prototypes[p], p);
    for (const std::string& symbol : ReferencedSymbols(listing)) {
        const auto found = byName.find(UndecoratedName(symbol));
        if (found != byName.end()) decorated_[found->second] = symbol;
    }
    objectWritten_ = true;
    stage_ = Stage::Done;
}

}  // namespace ondavel
