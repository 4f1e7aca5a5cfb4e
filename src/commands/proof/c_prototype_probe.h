// The functions an include's source header declares to C, and the symbol a C caller of each
// asks the linker for: a probe that takes the address of each function, compiled to an
// object file whose references nm reads.
#pragma once

#include <string>
#include <vector>

#include "proof/c_probe.h"

namespace ondavel {

class CPrototypeProbe : public CProbe {
  public:
    // Asks the compiler about the functions named, declared by header (a path), then nm about
    // the object; slot names its files apart from the other probes running at the same time.
    CPrototypeProbe(const CTools& tools, int slot, std::string header,
                    const std::vector<std::string>& functions);

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

    const std::vector<std::string>& functions_;
    std::vector<bool> declared_;
    std::vector<std::string> symbols_;
    bool listed_ = false;
};

}  // namespace ondavel
