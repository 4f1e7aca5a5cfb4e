// What a translated include declares that its C header declares too: the structures and
// unions with the members C can name, the prototypes, and the includes it includes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ondavel {

struct AggregateDeclaration {
    std::string name;  // "COMMPROP"
    bool isUnion = false;
    // Each named member once, a member of a nested named aggregate by its path
    // ("Info.Error.dwReserved"); members of an unnamed nested aggregate stand as the outer
    // one's, as in C. Record fields (bit fields) are left out: C has no offset for them.
    std::vector<std::string> members;
};

struct IncludeDeclarations {
    std::vector<AggregateDeclaration> aggregates;  // the top-level STRUCT and UNION blocks
    std::vector<std::string> prototypes;           // the names of the NAME PROTO lines, once
    std::vector<std::string> includes;             // the names of the Include lines
};

// Reads the include text (CR LF or LF lines). Members and prototypes under every branch of a
// conditional are taken: which ones a compiler sees is for the compiler to say.
IncludeDeclarations ReadIncludeDeclarations(std::string_view text);

}  // namespace ondavel
