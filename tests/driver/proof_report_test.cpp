// Why a structure or a prototype differs.
#include "driver/proof_report.h"

#include <gtest/gtest.h>

namespace ondavel::testing {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

AggregateProof Aggregate(LayoutValues c, LayoutValues masm) {
    return {"S", std::vector<std::string>(c.offsets.size(), "m"), std::move(c), std::move(masm)};
}

TEST(ProofCausesTest, ALayoutIsJudgedByOffsetsFirstThenSizeThenMissingMembers) {
    IncludeProof include;
    include.header = "/inc/s.h";
    EXPECT_EQ(CauseOf(Aggregate({8, {0, 4}}, {8, {0, 4}}), include), LayoutCause::Exact);
    EXPECT_EQ(CauseOf(Aggregate({8, {0, 4}}, {8, {0, 2}}), include), LayoutCause::MemberOffsets);
    EXPECT_EQ(CauseOf(Aggregate({8, {0, 4}}, {12, {0, 8}}), include), LayoutCause::MemberOffsets);
    EXPECT_EQ(CauseOf(Aggregate({12, {0, 4}}, {8, {0, 4}}), include), LayoutCause::SizeOnly);
    EXPECT_EQ(CauseOf(Aggregate({8, {0, kNone}}, {8, {0, 4}}), include),
              LayoutCause::MemberUnknownToC);
    EXPECT_EQ(CauseOf(Aggregate({8, {0, 4}}, {8, {0, kNone}}), include),
              LayoutCause::MemberUnknownToAssembler);
    EXPECT_EQ(CauseOf(Aggregate({kNone, {kNone}}, {4, {0}}), include), LayoutCause::UnknownToC);
    EXPECT_EQ(CauseOf(Aggregate({4, {0}}, {kNone, {kNone}}), include), LayoutCause::UnknownToAssembler);
    EXPECT_EQ(CauseOf(Aggregate({kNone, {kNone}}, {kNone, {kNone}}), include), LayoutCause::DeclaredByNeither);
    include.headerRefused = true;
    EXPECT_EQ(CauseOf(Aggregate({kNone, {kNone}}, {4, {0}}), include), LayoutCause::HeaderRefusedByC);
}

TEST(ProofCausesTest, ADecorationIsComparedWithWhatTheLibrariesExport) {
    IncludeProof include;
    include.objectWritten = true;
    EXPECT_EQ(CauseOf(PrototypeProof{"Sleep", "_Sleep@4", {"@Sleep@4", "_Sleep@4"}}, include),
              LinkCause::Links);
    EXPECT_EQ(CauseOf(PrototypeProof{"wsprintfA", "_wsprintfA@8", {"_wsprintfA"}}, include),
              LinkCause::CdeclWrittenAsStdcall);
    EXPECT_EQ(CauseOf(PrototypeProof{"Sleep", "_Sleep@8", {"_Sleep@4"}}, include),
              LinkCause::ArgumentBytesDiffer);
    EXPECT_EQ(CauseOf(PrototypeProof{"lstrlenA", "_lstrlenA", {"_lstrlenA@4"}}, include),
              LinkCause::StdcallWrittenAsC);
    EXPECT_EQ(CauseOf(PrototypeProof{"Hidden", "", {"_Hidden@4"}}, include),
              LinkCause::UnknownToAssembler);
    include.objectWritten = false;
    EXPECT_EQ(CauseOf(PrototypeProof{"Hidden", "", {"_Hidden@4"}}, include), LinkCause::NoObject);
}

// One include: a structure with a moved member, one only the assembler knows, one neither
// knows; a prototype that links, one C's, one the include did not declare here.
IncludeProof OneOfEach() {
    IncludeProof include{"x.sdk", "/inc/x.h", false, true, {}, {}, 2};
    include.aggregates.push_back({"MOVED", {"b"}, {8, {4}}, {12, {8}}});
    include.aggregates.push_back({"ASM_ONLY", {}, {kNone, {}}, {4, {}}});
    include.aggregates.push_back({"NEITHER", {}, {kNone, {}}, {kNone, {}}});
    include.prototypes.push_back({"Sleep", "_Sleep@4", {"_Sleep@4"}});
    include.prototypes.push_back({"wsprintfA", "_wsprintfA@8", {"_wsprintfA"}});
    include.prototypes.push_back({"Hidden", "", {"_Hidden@4", "@Hidden@4"}});
    return include;
}

TEST(ProofReportTest, EachDifferenceHasALine) {
    EXPECT_EQ(DifferenceLines(OneOfEach()),
              (std::vector<std::string>{"  MOVED: size C 8, assembler 12",
                                        "  MOVED.b: offset C 4, assembler 8",
                                        "  ASM_ONLY: unknown to C (assembler size 4)",
                                        "  wsprintfA: ours _wsprintfA@8, exported _wsprintfA",
                                        "  Hidden: ours none, exported _Hidden@4 or @Hidden@4"}));
}

TEST(ProofReportTest, TheSummaryCountsEachCauseOverTheIncludes) {
    ProofSummary summary;
    summary.Add(OneOfEach());
    IncludeProof unassembled = OneOfEach();
    unassembled.name = "y.sdk";
    unassembled.objectWritten = false;
    unassembled.prototypes = {{"Beep", "", {"_Beep@8"}}};
    summary.Add(unassembled);
    EXPECT_FALSE(summary.AllProved());
    EXPECT_EQ(summary.Text(),
              "0 of 4 structures exact (2 declared by neither compiler here)\n"
              "1 of 4 prototypes link (4 more the libraries do not export)\n"
              "structures that differ, by cause:\n"
              "  member offsets differ: 2, e.g. x.sdk MOVED, y.sdk MOVED\n"
              "  unknown to C: 2, e.g. x.sdk ASM_ONLY, y.sdk ASM_ONLY\n"
              "prototypes that do not link, by cause:\n"
              "  __cdecl written as stdcall: 1, e.g. wsprintfA (_wsprintfA@8 vs _wsprintfA)\n"
              "  unknown to the assembler: 1, e.g. Hidden (none vs _Hidden@4 or @Hidden@4)\n"
              "  the include does not assemble: 1, e.g. Beep\n");
}

TEST(ProofReportTest, NothingToProveIsAllProved) {
    ProofSummary summary;
    IncludeProof include{"z.sdk", "/inc/z.h", false, true, {}, {}, 0};
    include.aggregates.push_back({"S", {"m"}, {4, {0}}, {4, {0}}});
    summary.Add(include);
    EXPECT_TRUE(summary.AllProved());
    EXPECT_EQ(summary.Text(), "1 of 1 structures exact\n0 of 0 prototypes link\n");
}

}  // namespace
}  // namespace ondavel::testing
