// Reading proofs: why a structure or prototype differs, each difference as a line, and the
// summary of a whole run by cause.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "proof/proof.h"

namespace ondavel {

enum class LayoutCause {
    Exact,
    MemberOffsets,             // a member's offset differs (the size may too)
    SizeOnly,                  // the size differs, every member's offset agrees
    MemberUnknownToC,          // the assembler has a member C cannot name
    MemberUnknownToAssembler,  // C has a member that the assembler does not take here
    UnknownToC,                // C knows no aggregate of the name
    HeaderRefusedByC,          // the C compiler did not take the source header
    NoHeader,                  // the header list names no source header for the include
    UnknownToAssembler,        // the assembler does not take the name here
    DeclaredByNeither,         // neither declares it under these settings: not counted
};
inline constexpr size_t kLayoutCauses = 10;

enum class LinkCause {
    Links,
    CDoesNotLinkEither,     // ours is the symbol C asks for, which the libraries lack too
    CdeclWrittenAsStdcall,  // the library has _Name, the include gives _Name@N
    ArgumentBytesDiffer,    // _Name@M against our _Name@N
    StdcallWrittenAsC,      // the library has _Name@M, the include gives _Name
    OtherDecoration,
    UnknownToAssembler,  // the assembler does not take the name here
    HeaderRefusedByC,    // neither the assembler nor the C compiler takes the include's header
    NoObject,            // the include does not assemble: no decorated name to be had
    DeclaredByNeither,   // neither declares a function of the name here: not counted
};
inline constexpr size_t kLinkCauses = 10;

LayoutCause CauseOf(const AggregateProof& aggregate, const IncludeProof& include);
LinkCause CauseOf(const PrototypeProof& prototype, const IncludeProof& include);

// Each difference of the include as a line ("  COMMPROP: size C 64, assembler 60").
std::vector<std::string> DifferenceLines(const IncludeProof& include);

class ProofSummary {
  public:
    void Add(const IncludeProof& include);
    // "N of M structures exact", "N of M prototypes link", then the differences by cause, each
    // with its count and a few examples.
    std::string Text() const;
    bool AllProved() const;

  private:
    struct Tally {
        size_t count = 0;
        std::vector<std::string> examples;
        void Add(std::string example);
    };
    struct Share {  // of the headers the C compiler takes: what is counted, what is proved
        size_t counted = 0, exact = 0;
        void Add(bool proved);
    };
    std::array<Tally, kLayoutCauses> layouts_;
    std::array<Tally, kLinkCauses> links_;
    Share takenLayouts_, takenLinks_;
    size_t unexported_ = 0;
};

}  // namespace ondavel
