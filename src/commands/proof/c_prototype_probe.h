// The functions an include's source header declares to C, and the symbol a C caller of each
// asks the linker for: a probe that takes the address of each function, compiled to an
// object file whose references nm reads.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "proof/c_probe.h"

namespace ondavel {

class CPrototypeProbe : public CProbe {
  public:
    // Asks compiler about the functions named, declared by header (a path), in folder, with
    // nm; slot names its files apart from the other probes running at the same time.
    CPrototypeProbe(std::filesystem::path folder, int slot, std::string compiler, std::string nm,
                    std::string header, const std::vector<std::string>& functions);

    // By function: whether C declares a function of that name (rather than nothing, or a
    // macro for another name) ...
    const std::vector<bool>& declared() const { return declared_; }
    // ... and the symbol a call asks for ("_GetTickCount@0"), empty when C defines the
    // function itself (inline) or does not declare it.
    const std::vector<std::string>& symbols() const { return symbols_; }

  private:
    void Compiled() override {}
    std::vector<std::string> NextAfterCompiled() override;
    void TakeAfterCompiled(const ChildRun& run) override;

    std::string nm_;
    const std::vector<std::string>& functions_;
    std::vector<bool> declared_;
    std::vector<std::string> symbols_;
    bool listed_ = false;
};

}  // namespace ondavel
