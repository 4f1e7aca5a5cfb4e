// The names under which the assembler decorates an include's prototypes: a probe that refers
// to each, assembled into an object file whose references nm reads.
#pragma once

#include <string>
#include <vector>

#include "proof/masm_probe.h"
#include "proof/probe_run.h"

namespace ondavel {

class MasmPrototypeProbe : public ProbeRun {
  public:
    MasmPrototypeProbe(const MasmTools& tools, int slot, std::string include, std::string after,
                       const std::vector<std::string>& prototypes);

    std::vector<std::string> Next() override;
    void Take(const ChildRun& run) override;

    // By prototype: the symbol the object asks for, empty when the assembler did not take
    // the name or wrote no object.
    const std::vector<std::string>& decorated() const { return decorated_; }
    // False when the include (or one it includes) has errors: the assembler writes no object.
    bool objectWritten() const { return objectWritten_; }

  private:
    enum class Stage { Assemble, ReadObject, Done };

    std::string Source();
    void TakeAssembly(const ChildRun& run);
    void TakeSymbols(std::string_view listing);

    const MasmTools& tools_;
    std::string name_;  // the probe's file name without extension
    std::string include_, after_;
    const std::vector<std::string>& prototypes_;
    std::vector<bool> refused_;
    std::vector<size_t> lines_;  // the prototype each line refers to, from firstLine_
    uint32_t firstLine_ = 0;
    std::vector<std::string> decorated_;
    Stage stage_ = Stage::Assemble;
    bool objectWritten_ = false;
};

}  // namespace ondavel
