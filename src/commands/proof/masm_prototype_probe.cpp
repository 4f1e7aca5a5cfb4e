#include "proof/masm_prototype_probe.h"

#include <map>

#include "core/staged_file.h"
#include "proof/assembler_check.h"
#include "proof/library_exports.h"

namespace ondavel {

MasmPrototypeProbe::MasmPrototypeProbe(const MasmTools& tools, int slot, std::string include,
                                       std::string after,
                                       const std::vector<std::string>& prototypes)
    : tools_(tools),
      name_("p" + std::to_string(slot)),
      include_(std::move(include)),
      after_(std::move(after)),
      prototypes_(prototypes),
      refused_(prototypes.size()),
      decorated_(prototypes.size()) {}

// A reference to each prototype the assembler knows here: a name that a branch of a
// conditional left out is passed over rather than refused.
std::string MasmPrototypeProbe::Source() {
    std::string source = ProbeHead(include_, after_, tools_.target).append(".code\r\n");
    firstLine_ = LinesIn(source) + 1;
    lines_.clear();
    for (size_t p = 0; p < prototypes_.size(); ++p) {
        if (refused_[p]) continue;
        source.append("IFDEF ").append(prototypes_[p]).append("\r\ndd ");
        source.append(prototypes_[p]).append("\r\nENDIF\r\n");
        lines_.insert(lines_.end(), 3, p);
    }
    return source.append("end\r\n");
}

std::vector<std::string> MasmPrototypeProbe::Next() {
    if (stage_ == Stage::ReadObject) return {tools_.nm, name_ + ".obj"};
    if (stage_ == Stage::Done || prototypes_.empty()) return {};
    if (!ReplaceFileContent((tools_.folder / (name_ + ".asm")).string(), Source())) {
        stage_ = Stage::Done;
        return {};
    }
    return MasmProbeCommand(tools_, name_, true);
}

void MasmPrototypeProbe::Take(const ChildRun& run) {
    if (stage_ == Stage::Assemble) {
        TakeAssembly(run);
    } else if (stage_ == Stage::ReadObject) {
        TakeSymbols(run.output);
    }
}

// When only the probe's own lines were refused (a name that is no procedure), the probe is
// assembled again without them, for the object file; an error in the include ends it.
void MasmPrototypeProbe::TakeAssembly(const ChildRun& run) {
    if (run.exitCode == 0) {
        stage_ = Stage::ReadObject;
        return;
    }
    bool inInclude = false;
    const std::vector<uint32_t> lines = MasmProbeErrorLines(tools_, name_, inInclude);
    for (uint32_t line : lines) {
        if (line >= firstLine_ && line - firstLine_ < lines_.size()) {
            refused_[lines_[line - firstLine_]] = true;
        } else {
            inInclude = true;
        }
    }
    if (inInclude || lines.empty()) stage_ = Stage::Done;
}

// A symbol stands for the prototype of its undecorated name. On x86-64 the assembler still
// decorates a prototype that names a language (C gives "_Name", STDCALL "_Name@N") as on
// 32-bit x86: a symbol whose plain name is no prototype is undecorated that way.
void MasmPrototypeProbe::TakeSymbols(std::string_view listing) {
    std::map<std::string, size_t, std::less<>> byName;
    for (size_t p = 0; p < prototypes_.size(); ++p) byName.emplace(prototypes_[p], p);
    for (const ObjectSymbol& symbol : ObjectSymbols(listing)) {
        if (symbol.defined) continue;
        auto found = byName.find(UndecoratedName(symbol.name, tools_.target));
        if (found == byName.end()) found = byName.find(UndecoratedName(symbol.name));
        if (found != byName.end()) decorated_[found->second] = symbol.name;
    }
    objectWritten_ = true;
    stage_ = Stage::Done;
}

}  // namespace ondavel
