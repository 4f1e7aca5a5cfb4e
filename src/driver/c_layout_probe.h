// The layouts the C compiler gives the structures of an include's source header: a probe
// that lists sizeof and offsetof of each, compiled to assembly text (nothing is run), whose
// values are read back from the array the compiler writes out.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/include_declarations.h"
#include "driver/layout_values.h"
#include "driver/probe_run.h"

namespace ondavel {

// The header every probe includes first, made once per run into a precompiled header.
inline constexpr std::string_view kCommonCHeader = "ondavel_windows.h";

// The command that precompiles kCommonCHeader (which includes windows.h) in the probe folder.
std::vector<std::string> PrecompileCommand(const std::string& compiler);
std::string CommonCHeaderText();

// The names under which C may know an aggregate of the include, most likely first: its own,
// as a tag ("struct NAME"), and the C name the translation renamed ("STIFoo" is the virtual
// table "IFooVtbl", "IFoo_Object" the interface "IFoo").
std::vector<std::string> CAggregateNames(const AggregateDeclaration& aggregate);

// The names under which C may know a member path: its own; without the '_' the translation
// puts before a name the assembler reserves ("_HighWord.Bytes" is "HighWord.Bytes"), also with
// a capital ("_type" is "Type"); and without the names of outer aggregates that C leaves
// unnamed ("DUMMYUNIONNAME.FileId" is "FileId").
std::vector<std::string> CMemberPaths(std::string_view path);

// The lines of the compiler's diagnostics that point into the probe (an error there, or a
// note that places an error of a macro's expansion there). outsideError is set by an error
// no probe line explains: the header itself is not C the compiler takes.
std::vector<uint32_t> ProbeErrorLines(std::string_view diagnostics, std::string_view probeName,
                                      bool& outsideError);

// The values of the array named symbol in the compiler's assembly text (".long", and ".zero"
// or ".space" for runs of zeros), 4 bytes each.
std::vector<uint32_t> ArrayValues(std::string_view assembly, std::string_view symbol);

class CLayoutProbe : public ProbeRun {
  public:
    // The probe asks compiler about aggregates, declared by header (a path), in folder; slot
    // names its files apart from the other probes running at the same time.
    CLayoutProbe(std::filesystem::path folder, int slot, std::string compiler, std::string header,
                 const std::vector<AggregateDeclaration>& aggregates);

    std::vector<std::string> Next() override;
    void Take(const ChildRun& run) override;

    const std::vector<LayoutValues>& values() const { return values_; }
    // The header could not be compiled after windows.h: C knows none of its aggregates.
    bool headerRefused() const { return headerRefused_; }

  private:
    struct Item {  // a line the probe may ask: a size or an offset under one spelling
        size_t aggregate;
        int member;        // -1 for the size
        std::string text;  // "sizeof(*(struct X *)0)"
        bool refused = false;
    };

    std::string Source();
    void ReadValues(std::string_view assembly);

    std::filesystem::path folder_;
    std::string name_;  // the probe's file name without extension
    std::string compiler_, header_;
    std::vector<Item> items_;
    std::vector<size_t> asked_;  // the item of each probe line, from the first asked one
    std::vector<LayoutValues> values_;
    bool done_ = false;
    bool headerRefused_ = false;
};

}  // namespace ondavel
