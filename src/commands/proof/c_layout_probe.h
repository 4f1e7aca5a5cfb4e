// The layouts the C compiler gives the structures of an include's source header: a probe
// that lists sizeof and offsetof of each, compiled to assembly text (nothing is run), whose
// values are read back from the array the compiler writes out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "proof/c_probe.h"
#include "proof/include_declarations.h"
#include "proof/layout_values.h"

namespace ondavel {

// The names under which C may know an aggregate of the include, most likely first: its own,
// as a tag ("struct NAME"), and the C name the translation renamed ("STIFoo" is the virtual
// table "IFooVtbl", "IFoo_Object" the interface "IFoo").
std::vector<std::string> CAggregateNames(const AggregateDeclaration& aggregate);

// The names under which C may know a member path: its own; without the '_' the translation
// puts before a name the assembler reserves ("_HighWord.Bytes" is "HighWord.Bytes"), also with
// a capital ("_type" is "Type"); and without the names of outer aggregates that C leaves
// unnamed ("DUMMYUNIONNAME.FileId" is "FileId").
std::vector<std::string> CMemberPaths(std::string_view path);

// The values of the array named symbol in the compiler's assembly text (".long", and ".zero"
// or ".space" for runs of zeros), 4 bytes each.
std::vector<uint32_t> ArrayValues(std::string_view assembly, std::string_view symbol);

class CLayoutProbe : public CProbe {
  public:
    // The probe asks the compiler about aggregates, declared by header (a path); slot names
    // its files apart from the other probes running at the same time.
    CLayoutProbe(const CTools& tools, int slot, std::string header,
                 const std::vector<AggregateDeclaration>& aggregates);

    const std::vector<LayoutValues>& values() const { return values_; }

  private:
    struct Item {  // a line the probe may ask: a size or an offset under one spelling
        size_t aggregate;
        int member;  // -1 for the size
    };

    void Compiled() override;

    std::vector<Item> items_;  // by asked line
    std::vector<LayoutValues> values_;
};

}  // namespace ondavel
