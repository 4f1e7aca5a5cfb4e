// What the assembler makes of an include: the layout of its structures, read back from the
// values the probe echoes, and the decorated name of each prototype, read from the object
// file the probe makes by referring to them all.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/assembler_check.h"
#include "driver/include_declarations.h"
#include "driver/layout_values.h"
#include "driver/probe_run.h"

namespace ondavel {

struct MasmTools {
    std::filesystem::path folder;             // the probe folder, where the commands run
    std::string assembler, nm;                // their paths
    std::vector<std::string> includeOptions;  // the assembler's -I options
};

// The values a probe echoed: "ondavel_probe 3 64" gives 64 for the asked value 3.
std::vector<std::pair<size_t, uint32_t>> EchoedValues(std::string_view output);

class MasmProbe : public ProbeRun {
  public:
    MasmProbe(const MasmTools& tools, int slot, std::string include, std::string after,
              const IncludeDeclarations& declarations);

    std::vector<std::string> Next() override;
    void Take(const ChildRun& run) override;

    // By aggregate, as the declarations list them.
    const std::vector<LayoutValues>& values() const { return values_; }
    // By prototype: the symbol the object asks for, empty when the assembler did not take
    // the name or wrote no object.
    const std::vector<std::string>& decorated() const { return decorated_; }
    // False when the include (or one it includes) has errors: the assembler writes no object.
    bool objectWritten() const { return stage_ == Stage::Done && objectWritten_; }

  private:
    enum class Stage { Assemble, AssembleAgain, ReadObject, Done };
    struct Asked {
        bool prototype;
        size_t index;  // of the prototype, or of the value in layoutAsked_
    };
    struct LayoutAsked {
        size_t aggregate;
        int member;  // -1 for the size
    };

    std::string Source(bool withLayouts);
    // What the probe asked at the line an error points at; null for any other line.
    const Asked* AskedAt(const AssemblerError& error) const;
    void TakeAssembly(const ChildRun& run);
    void TakeValues(std::string_view output);
    void TakeSymbols(std::string_view listing);

    const MasmTools& tools_;
    std::string name_;  // the probe's file name without extension
    std::string include_, after_;
    const IncludeDeclarations& declarations_;
    std::vector<LayoutAsked> layoutAsked_;
    std::vector<bool> refusedLayout_, refusedPrototype_;
    std::vector<Asked> lines_;  // by probe line, from firstLine_
    uint32_t firstLine_ = 0;
    std::vector<LayoutValues> values_;
    std::vector<std::string> decorated_;
    Stage stage_ = Stage::Assemble;
    bool objectWritten_ = false;
};

}  // namespace ondavel
