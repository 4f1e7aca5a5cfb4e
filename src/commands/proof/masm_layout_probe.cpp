#include "proof/masm_layout_probe.h"

#include <cstdlib>

#include "core/staged_file.h"
#include "proof/assembler_check.h"

namespace ondavel {

namespace {

constexpr std::string_view kEchoMark = "ondavel_probe ";

}  // namespace

std::vector<std::pair<size_t, uint32_t>> EchoedValues(std::string_view output) {
    std::vector<std::pair<size_t, uint32_t>> values;
    const std::string text(output);  // strtoul wants the text to end
    for (size_t at = text.find(kEchoMark); at != std::string::npos;
         at = text.find(kEchoMark, at + 1)) {
        if (at > 0 && text[at - 1] != '\n') continue;
        char* end = nullptr;
        const char* start = text.c_str() + at + kEchoMark.size();
        const size_t index = std::strtoul(start, &end, 10);
        if (end == start || *end != ' ') continue;
        const char* number = end + 1;
        const unsigned long value = std::strtoul(number, &end, 10);
        if (end != number) values.emplace_back(index, static_cast<uint32_t>(value));
    }
    return values;
}

MasmLayoutProbe::MasmLayoutProbe(const MasmTools& tools, int slot, std::string include,
                                 std::string after,
                                 const std::vector<AggregateDeclaration>& aggregates)
    : tools_(tools),
      name_("l" + std::to_string(slot)),
      include_(std::move(include)),
      after_(std::move(after)),
      aggregates_(aggregates),
      values_(aggregates.size()) {
    for (size_t a = 0; a < aggregates.size(); ++a) {
        asked_.push_back({a, -1});
        for (size_t m = 0; m < aggregates[a].members.size(); ++m)
            asked_.push_back({a, static_cast<int>(m)});
        values_[a].offsets.resize(aggregates[a].members.size());
    }
}

// Each value as a text equate, echoed beside its number.
std::string MasmLayoutProbe::Source() {
    std::string source = ProbeHead(include_, after_, tools_.target);
    firstLine_ = LinesIn(source) + 1;
    for (size_t i = 0; i < asked_.size(); ++i) {
        const AggregateDeclaration& aggregate = aggregates_[asked_[i].aggregate];
        const int member = asked_[i].member;
        const std::string value =
            member < 0 ? "SIZEOF " + aggregate.name
                       : aggregate.name + "." + aggregate.members[static_cast<size_t>(member)];
        source.append("ondavel_value TEXTEQU %(").append(value).append(")\r\n");
        source.append("%ECHO ").append(kEchoMark).append(std::to_string(i));
        source.append(" ondavel_value\r\n");
    }
    return source.append("end\r\n");
}

std::vector<std::string> MasmLayoutProbe::Next() {
    if (done_ || asked_.empty()) return {};
    done_ = true;
    if (!ReplaceFileContent((tools_.folder / (name_ + ".asm")).string(), Source())) return {};
    return MasmProbeCommand(tools_, name_, false);
}

// A value is known when the assembler echoed it without an error on its line.
void MasmLayoutProbe::Take(const ChildRun& run) {
    std::vector<bool> refused(asked_.size());
    bool inInclude = false;
    for (uint32_t line : MasmProbeErrorLines(tools_, name_, inInclude)) {
        if (line >= firstLine_ && (line - firstLine_) / 2 < asked_.size())
            refused[(line - firstLine_) / 2] = true;
    }
    for (const auto& [index, value] : EchoedValues(run.output)) {
        if (index >= asked_.size() || refused[index]) continue;
        LayoutValues& layout = values_[asked_[index].aggregate];
        const int member = asked_[index].member;
        (member < 0 ? layout.size : layout.offsets[static_cast<size_t>(member)]) = value;
    }
}

}  // namespace ondavel
