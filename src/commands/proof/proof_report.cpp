#include "proof/proof_report.h"

#include <algorithm>

namespace ondavel {

namespace {

constexpr size_t kExamples = 4;

constexpr std::array<const char*, kLayoutCauses> kLayoutCauseNames = {
    "exact",
    "member offsets differ",
    "size only differs",
    "members unknown to C",
    "members unknown to the assembler",
    "unknown to C",
    "source header refused by C",
    "no source header in the header list",
    "unknown to the assembler",
    "declared by neither"};

constexpr std::array<const char*, kLinkCauses> kLinkCauseNames = {
    "link",
    "the C declaration does not link either",
    "__cdecl written as stdcall",
    "argument bytes differ",
    "stdcall written as C",
    "other decoration",
    "unknown to the assembler",
    "source header refused by C",
    "the include does not assemble",
    "declared by neither"};

// "_Name@8": decorated with its argument bytes.
bool HasArgumentBytes(const std::string& symbol) {
    const size_t at = symbol.rfind('@');
    return at != std::string::npos && at > 0 && at + 1 < symbol.size() &&
           symbol.find_first_not_of("0123456789", at + 1) == std::string::npos;
}

std::string Value(const std::optional<uint32_t>& value) {
    return value ? std::to_string(*value) : "none";
}

template <typename Predicate>
bool AnyMember(const AggregateProof& aggregate, Predicate predicate) {
    for (size_t m = 0; m < aggregate.members.size(); ++m) {
        if (predicate(aggregate.c.offsets[m], aggregate.masm.offsets[m])) return true;
    }
    return false;
}

bool Differ(const std::optional<uint32_t>& c, const std::optional<uint32_t>& masm) {
    return c && masm && *c != *masm;
}

bool OnlyAssembler(const std::optional<uint32_t>& c, const std::optional<uint32_t>& masm) {
    return !c && masm;
}

bool OnlyC(const std::optional<uint32_t>& c, const std::optional<uint32_t>& masm) {
    return c && !masm;
}

void MemberLines(const AggregateProof& aggregate, std::vector<std::string>& lines) {
    for (size_t m = 0; m < aggregate.members.size(); ++m) {
        const std::optional<uint32_t>& c = aggregate.c.offsets[m];
        const std::optional<uint32_t>& masm = aggregate.masm.offsets[m];
        const std::string name = "  " + aggregate.name + "." + aggregate.members[m] + ": ";
        if (Differ(c, masm)) {
            lines.push_back(name + "offset C " + Value(c) + ", assembler " + Value(masm));
        } else if (OnlyAssembler(c, masm)) {
            lines.push_back(name + "unknown to C (assembler offset " + Value(masm) + ")");
        } else if (OnlyC(c, masm)) {
            lines.push_back(name + "unknown to the assembler (C offset " + Value(c) + ")");
        }
    }
}

void AggregateLines(const AggregateProof& aggregate, LayoutCause cause,
                    std::vector<std::string>& lines) {
    const std::string name = "  " + aggregate.name + ": ";
    if (cause == LayoutCause::UnknownToC) {
        lines.push_back(name + "unknown to C (assembler size " + Value(aggregate.masm.size) + ")");
    } else if (cause == LayoutCause::UnknownToAssembler) {
        lines.push_back(name + "unknown to the assembler (C size " + Value(aggregate.c.size) + ")");
    } else {
        if (aggregate.c.size != aggregate.masm.size) {
            lines.push_back(name + "size C " + Value(aggregate.c.size) + ", assembler " +
                            Value(aggregate.masm.size));
        }
        MemberLines(aggregate, lines);
    }
}

// A cause of a prototype that does not link whose two decorations say why (ours against the
// libraries'): not one without an object or counted apart.
bool DecorationsCompared(LinkCause cause) {
    return cause != LinkCause::Links && cause != LinkCause::NoObject &&
           cause != LinkCause::HeaderRefusedByC && cause != LinkCause::DeclaredByNeither;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text.append(text.empty() ? "" : " or ").append(name);
    return text;
}

}  // namespace

LayoutCause CauseOf(const AggregateProof& aggregate, const IncludeProof& include) {
    const LayoutValues& c = aggregate.c;
    const LayoutValues& masm = aggregate.masm;
    if (!c.size && !masm.size) return LayoutCause::DeclaredByNeither;
    if (!masm.size) return LayoutCause::UnknownToAssembler;
    if (include.header.empty()) return LayoutCause::NoHeader;
    if (include.headerRefused) return LayoutCause::HeaderRefusedByC;
    if (!c.size) return LayoutCause::UnknownToC;
    if (AnyMember(aggregate, Differ)) return LayoutCause::MemberOffsets;
    if (*c.size != *masm.size) return LayoutCause::SizeOnly;
    if (AnyMember(aggregate, OnlyAssembler)) return LayoutCause::MemberUnknownToC;
    if (AnyMember(aggregate, OnlyC)) return LayoutCause::MemberUnknownToAssembler;
    return LayoutCause::Exact;
}

LinkCause CauseOf(const PrototypeProof& prototype, const IncludeProof& include) {
    const std::vector<std::string>& exported = prototype.exported;
    if (prototype.ours.empty()) {
        if (!include.objectWritten)
            return include.headerRefused ? LinkCause::HeaderRefusedByC : LinkCause::NoObject;
        return include.cAnswered && !prototype.cDeclares ? LinkCause::DeclaredByNeither
                                                         : LinkCause::UnknownToAssembler;
    }
    if (std::find(exported.begin(), exported.end(), prototype.ours) != exported.end())
        return LinkCause::Links;
    if (prototype.ours == prototype.c) return LinkCause::CDoesNotLinkEither;
    const bool oursStdcall = HasArgumentBytes(prototype.ours);
    const bool theirsStdcall = std::any_of(exported.begin(), exported.end(), HasArgumentBytes);
    if (oursStdcall && theirsStdcall) return LinkCause::ArgumentBytesDiffer;
    if (oursStdcall) return LinkCause::CdeclWrittenAsStdcall;
    if (theirsStdcall) return LinkCause::StdcallWrittenAsC;
    return LinkCause::OtherDecoration;
}

std::vector<std::string> DifferenceLines(const IncludeProof& include) {
    std::vector<std::string> lines;
    if (include.headerRefused) lines.push_back("  the C compiler refuses " + include.header);
    for (const AggregateProof& aggregate : include.aggregates) {
        const LayoutCause cause = CauseOf(aggregate, include);
        if (cause == LayoutCause::Exact || cause == LayoutCause::DeclaredByNeither ||
            cause == LayoutCause::HeaderRefusedByC || cause == LayoutCause::NoHeader)
            continue;
        AggregateLines(aggregate, cause, lines);
    }
    size_t unproved = 0;
    for (const PrototypeProof& prototype : include.prototypes) {
        const LinkCause cause = CauseOf(prototype, include);
        if (cause == LinkCause::NoObject || cause == LinkCause::HeaderRefusedByC) ++unproved;
        if (!DecorationsCompared(cause)) continue;
        lines.push_back("  " + prototype.name + ": ours " +
                        (prototype.ours.empty() ? "none" : prototype.ours) + ", exported " +
                        Listed(prototype.exported));
    }
    if (unproved > 0) {
        lines.push_back("  " + std::to_string(unproved) +
                        " prototypes unproved: the include does not assemble");
    }
    return lines;
}

void ProofSummary::Tally::Add(std::string example) {
    ++count;
    if (examples.size() < kExamples) examples.push_back(std::move(example));
}

void ProofSummary::Share::Add(bool proved) {
    ++counted;
    exact += proved ? 1 : 0;
}

void ProofSummary::Add(const IncludeProof& include) {
    for (const AggregateProof& aggregate : include.aggregates) {
        const LayoutCause cause = CauseOf(aggregate, include);
        layouts_[static_cast<size_t>(cause)].Add(include.name + " " + aggregate.name);
        if (!include.headerRefused && cause != LayoutCause::DeclaredByNeither)
            takenLayouts_.Add(cause == LayoutCause::Exact);
    }
    for (const PrototypeProof& prototype : include.prototypes) {
        const LinkCause cause = CauseOf(prototype, include);
        if (!include.headerRefused && cause != LinkCause::DeclaredByNeither)
            takenLinks_.Add(cause == LinkCause::Links);
        std::string example = prototype.name;
        if (DecorationsCompared(cause)) {
            example.append(" (").append(prototype.ours.empty() ? "none" : prototype.ours);
            example.append(" vs ").append(Listed(prototype.exported)).append(")");
        }
        links_[static_cast<size_t>(cause)].Add(std::move(example));
    }
    unexported_ += include.unexported;
}

namespace {

// "N of M structures exact (K declared by neither compiler here; note)", and when the C
// compiler refused headers, a second line for the headers it takes alone.
template <typename Tallies, typename Share>
std::string ShareLine(const Tallies& tallies, const Share& taken, const char* what,
                      std::string note) {
    size_t counted = 0;
    for (size_t i = 0; i + 1 < tallies.size(); ++i) counted += tallies[i].count;
    const size_t neither = tallies.back().count;
    std::string text =
        std::to_string(tallies.front().count) + " of " + std::to_string(counted) + " " + what;
    if (neither > 0) {
        note = std::to_string(neither) + " declared by neither compiler here" +
               (note.empty() ? "" : "; ") + note;
    }
    if (!note.empty()) text += " (" + note + ")";
    text += "\n";
    if (taken.counted != counted) {
        text += "  " + std::to_string(taken.exact) + " of " + std::to_string(taken.counted) +
                " in the headers the C compiler takes\n";
    }
    return text;
}

}  // namespace

std::string ProofSummary::Text() const {
    const std::string unexported =
        unexported_ == 0 ? std::string()
                         : std::to_string(unexported_) + " more the libraries do not export";
    std::string text =
        ShareLine(layouts_, takenLayouts_, "structures exact", "") +
        ShareLine(links_, takenLinks_, "prototypes link", unexported);
    auto causes = [&](const auto& tallies, const auto& names, size_t end, const char* title) {
        bool any = false;
        for (size_t i = 1; i < end; ++i) {
            if (tallies[i].count == 0) continue;
            if (!any) text.append(title);
            any = true;
            text.append("  ").append(names[i]).append(": ").append(std::to_string(tallies[i].count));
            std::string examples;
            for (const std::string& example : tallies[i].examples)
                examples.append(examples.empty() ? "" : ", ").append(example);
            text.append(", e.g. ").append(examples).append("\n");
        }
    };
    causes(layouts_, kLayoutCauseNames, kLayoutCauses - 1, "structures that differ, by cause:\n");
    causes(links_, kLinkCauseNames, kLinkCauses - 1, "prototypes that do not link, by cause:\n");
    return text;
}

bool ProofSummary::AllProved() const {
    for (size_t i = 1; i + 1 < kLayoutCauses; ++i) {
        if (layouts_[i].count > 0) return false;
    }
    for (size_t i = 1; i + 1 < kLinkCauses; ++i) {
        if (links_[i].count > 0) return false;
    }
    return true;
}

}  // namespace ondavel
