#include "proof/c_prototype_probe.h"

#include <map>

#include "proof/library_exports.h"

namespace ondavel {

namespace {

constexpr const char* kUse = "ondavel_use";

}  // namespace

CPrototypeProbe::CPrototypeProbe(const CTools& tools, int slot, std::string header,
                                 const std::vector<std::string>& functions)
    : CProbe(tools, "f" + std::to_string(slot), std::move(header),
             "void " + std::string(kUse) + "(void *);\nvoid ondavel_probe(void) {\n", "}\n", "-c",
             "o"),
      functions_(functions),
      declared_(functions.size()),
      symbols_(functions.size()) {
    // In a function body: the address of an imported function is no constant to initialize
    // an array with.
    for (const std::string& function : functions_)
        Ask(std::string(kUse) + "((void *)&" + function + ");");
}

std::vector<std::string> CPrototypeProbe::NextAfterCompiled() {
    if (listed_) return {};
    listed_ = true;
    return {tools().nm, OutputPath().filename().string()};
}

// A function is C's when the object refers to it or defines it under its own name: a macro
// that stands for another function ("isascii" for "__isascii") leaves its name out.
void CPrototypeProbe::TakeAfterCompiled(const ChildRun& run) {
    std::map<std::string, size_t, std::less<>> byName;
    for (size_t f : asked()) byName.emplace(functions_[f], f);
    for (const ObjectSymbol& symbol : ObjectSymbols(run.output)) {
        const auto found = byName.find(UndecoratedName(symbol.name, tools().target));
        if (found == byName.end()) continue;
        declared_[found->second] = true;
        if (!symbol.defined) symbols_[found->second] = WithoutImportPrefix(symbol.name);
    }
}

}  // namespace ondavel
