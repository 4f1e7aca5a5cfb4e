// What the probes that ask the C compiler about an include's source header share: the
// precompiled windows.h they start from, the reading of the compiler's errors, and the run
// that asks one line each, drops the lines the compiler refuses and compiles the rest again,
// until it takes them all or refuses the header itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "proof/probe_run.h"
#include "session/target.h"

namespace ondavel {

struct CTools {
    std::filesystem::path folder;   // the probe folder, where the commands run
    std::string compiler, nm;       // their paths
    Target target = Target::Win32;  // the machine the compiler writes for
};

// The header every probe includes first, made once per run into a precompiled header.
inline constexpr std::string_view kCommonCHeader = "ondavel_windows.h";

// The command that precompiles kCommonCHeader (which includes windows.h) in the probe folder.
std::vector<std::string> PrecompileCommand(const std::string& compiler);
std::string CommonCHeaderText();

// The lines of the compiler's diagnostics that point into the probe (an error there, or a
// note that places an error of a macro's expansion there). outsideError is set by an error
// no probe line explains: the header itself is not C the compiler takes.
std::vector<uint32_t> ProbeErrorLines(std::string_view diagnostics, std::string_view probeName,
                                      bool& outsideError);

class CProbe : public ProbeRun {
  public:
    std::vector<std::string> Next() override;
    void Take(const ChildRun& run) override;

    // The header could not be compiled after windows.h: C knows nothing of it.
    bool headerRefused() const { return headerRefused_; }

  protected:
    // The probe NAME.c in the tools' folder: the two headers, opening, the asked lines,
    // closing; the compiler writes NAME.output with outputOption ("-S" or "-c").
    CProbe(CTools tools, std::string name, std::string header, std::string opening,
           std::string closing, std::string outputOption, std::string output);

    const CTools& tools() const { return tools_; }

    // Adds a line the probe may ask.
    void Ask(std::string line) { lines_.push_back({std::move(line)}); }
    // The asked line of each compiled probe line, in order, when the compiler took them all.
    const std::vector<size_t>& asked() const { return asked_; }
    std::filesystem::path OutputPath() const { return tools_.folder / (name_ + "." + output_); }

    // The compiler took every line asked. The probe may then run more commands of its own.
    virtual void Compiled() = 0;
    virtual std::vector<std::string> NextAfterCompiled() { return {}; }
    virtual void TakeAfterCompiled(const ChildRun&) {}

  private:
    struct Line {
        std::string text;
        bool refused = false;
    };

    std::string Source();

    CTools tools_;
    std::string name_, header_, opening_, closing_, outputOption_, output_;
    std::vector<Line> lines_;
    std::vector<size_t> asked_;  // the line of each probe line, from the first asked one
    uint32_t firstLine_ = 0;
    bool compiled_ = false;
    bool done_ = false;
    bool headerRefused_ = false;
};

}  // namespace ondavel
