// Proving an output folder against the C toolchain its headers were written for: each
// structure's layout as the C compiler and the assembler see it, and each prototype's
// decorated name against the names the import libraries export.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "proof/layout_values.h"
#include "session/target.h"

namespace ondavel {

struct ProofRequest {
    std::string outputFolder;               // the kit's output folder
    std::vector<std::string> otherFolders;  // searched for includes after outputFolder
    std::string after;                      // an include assembled before each; may be empty
    std::vector<std::string> only;          // these includes and those they include; empty: all
    std::map<std::string, std::string> headers;  // each include's source header, by its name
    std::string compiler, nm, assembler;         // the tools' paths
    std::string libraryFolder;                   // the import libraries
    Target target = Target::Win32;               // the machine the includes were written for
    unsigned jobs = 1;  // includes proved at once
};

struct AggregateProof {
    std::string name;
    std::vector<std::string> members;
    LayoutValues c, masm;
};

struct PrototypeProof {
    std::string name;
    std::string ours;                   // the symbol the assembler's object asks for, or empty
    std::vector<std::string> exported;  // the libraries' symbols of that name
    bool cDeclares = false;             // C declares a function of the name after windows.h
    std::string c;  // the symbol a C caller asks for; empty when C defines it inline
};

struct IncludeProof {
    std::string name;
    std::string header;          // its source header; empty when the header list names none
    bool headerRefused = false;  // the C compiler did not take the header after windows.h
    bool cAnswered = false;      // it took the header and told which functions it declares
    bool objectWritten = false;  // the assembler wrote the object: it took the include
    std::vector<AggregateProof> aggregates;
    std::vector<PrototypeProof> prototypes;  // those the libraries export
    size_t unexported = 0;                   // the prototypes they do not export
};

// The includes a request proves: after first, then the folder's includes in order, or the
// ones named and the includes of the folder that they include, at any depth.
std::vector<std::string> IncludesToProve(const ProofRequest& request);

// Proves each include, giving report each result in order with the count done so far. False
// when no probe folder could be made.
bool ProveIncludes(const ProofRequest& request,
                   const std::function<void(const IncludeProof&, size_t done, size_t total)>& report);

}  // namespace ondavel
