// The functions the import libraries export, by the names the linker looks for.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "session/target.h"

namespace ondavel {

// "GetTickCount" for "_GetTickCount@0", "_printf", "@Fast@8" or "__imp__GetTickCount@0": the
// name as C writes it, without its calling convention's decoration. x86-64 decorates no name:
// "_lopen" there is C's _lopen, and only the import prefix goes.
std::string UndecoratedName(std::string_view symbol, Target target = Target::Win32);

// The symbol under which the C compiler of target knows a name: "_name" on 32-bit x86, the
// name itself on x86-64.
std::string CSymbol(std::string_view name, Target target);

// "_GetTickCount@0" for "__imp__GetTickCount@0": what an import symbol stands for.
std::string_view WithoutImportPrefix(std::string_view symbol);

struct ObjectSymbol {
    std::string name;
    bool defined = false;  // code of the object's own ("T", "t"), else asked of the linker ("U")
};

// The symbols an nm listing of an object file refers to ("         U _GetTickCount@0") or
// defines as code ("00000000 t _Inline@4").
std::vector<ObjectSymbol> ObjectSymbols(std::string_view listing);

class LibraryExports {
  public:
    // Exports of the libraries of target, whose decoration is taken off their names.
    explicit LibraryExports(Target target = Target::Win32) : target_(target) {}

    // Adds the code and import symbols of an nm listing ("00000000 T _GetTickCount@0",
    // "00000000 I __imp__GetTickCount@0"); other lines are passed over.
    void AddListing(std::string_view listing);

    // The decorated names ("_GetTickCount@0") under which the libraries export name, each once,
    // sorted; empty when they do not export it.
    const std::vector<std::string>& Decorated(std::string_view name) const;

  private:
    void Add(std::string_view symbol);

    Target target_;
    std::map<std::string, std::vector<std::string>, std::less<>> byName_;
};

}  // namespace ondavel
