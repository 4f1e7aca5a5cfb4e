// The layouts the assembler gives the structures of an include: a probe that echoes the
// SIZEOF of each and the offset of each member, read back from what the assembler prints.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "proof/include_declarations.h"
#include "proof/layout_values.h"
#include "proof/masm_probe.h"
#include "proof/probe_run.h"

namespace ondavel {

// The values a probe echoed: "ondavel_probe 3 64" gives 64 for the asked value 3.
std::vector<std::pair<size_t, uint32_t>> EchoedValues(std::string_view output);

class MasmLayoutProbe : public ProbeRun {
  public:
    MasmLayoutProbe(const MasmTools& tools, int slot, std::string include, std::string after,
                    const std::vector<AggregateDeclaration>& aggregates);

    std::vector<std::string> Next() override;
    void Take(const ChildRun& run) override;

    // By aggregate, as the declarations list them.
    const std::vector<LayoutValues>& values() const { return values_; }

  private:
    struct Asked {
        size_t aggregate;
        int member;  // -1 for the size
    };

    std::string Source();

    const MasmTools& tools_;
    std::string name_;  // the probe's file name without extension
    std::string include_, after_;
    const std::vector<AggregateDeclaration>& aggregates_;
    std::vector<Asked> asked_;
    uint32_t firstLine_ = 0;  // the line of the first value asked; each takes two
    std::vector<LayoutValues> values_;
    bool done_ = false;
};

}  // namespace ondavel
