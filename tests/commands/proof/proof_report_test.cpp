// Why a structure or a prototype differs.
#include "proof/proof_report.h"

#include <gtest/gtest.h>

namespace ondavel::testing {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

AggregateProof Aggregate(LayoutValues c, LayoutValues masm) {
    return {"S", std::vector<std::string>(c.offsets.size(), "m"), std::move(c), std::move(masm)};
}

PrototypeProof Prototype(std::string name, std::string ours, std::vector<std::string> exported,
                         bool cDeclares = true, std::string c = "") {
    return {std::move(name), std::move(ours), std::move(exported), cDeclares, std::move(c)};
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
    EXPECT_EQ(CauseOf(Aggregate({4, {0}}, {kNone, {kNone}}), include),
              LayoutCause::UnknownToAssembler);
    EXPECT_EQ(CauseOf(Aggregate({kNone, {kNone}}, {kNone, {kNone}}), include),
              LayoutCause::DeclaredByNeither);
    include.headerRefused = true;
    EXPECT_EQ(CauseOf(Aggregate({kNone, {kNone}}, {4, {0}}), include),
              LayoutCause::HeaderRefusedByC);
}

TEST(ProofCausesTest, ADecorationIsComparedWithWhatTheLibrariesExportThenWithC) {
    IncludeProof include;
    include.objectWritten = true;
    EXPECT_EQ(CauseOf(Prototype("Sleep", "_Sleep@4", {"@Sleep@4", "_Sleep@4"}), include),
              LinkCause::Links);
    EXPECT_EQ(CauseOf(Prototype("wsprintfA", "_wsprintfA@8", {"_wsprintfA"}), include),
              LinkCause::CdeclWrittenAsStdcall);
    EXPECT_EQ(CauseOf(Prototype("Sleep", "_Sleep@8", {"_Sleep@4"}), include),
              LinkCause::ArgumentBytesDiffer);
    EXPECT_EQ(CauseOf(Prototype("lstrlenA", "_lstrlenA", {"_lstrlenA@4"}), include),
              LinkCause::StdcallWrittenAsC);
    EXPECT_EQ(CauseOf(Prototype("CoWait", "_CoWait@8", {"_CoWait"}, true, "_CoWait@8"), include),
              LinkCause::CDoesNotLinkEither);
    EXPECT_EQ(CauseOf(Prototype("Hidden", "", {"_Hidden@4"}), include),
              LinkCause::UnknownToAssembler);
    // Only a C compiler that took the header can say it declares no such function.
    EXPECT_EQ(CauseOf(Prototype("isascii", "", {"_isascii"}, false), include),
              LinkCause::UnknownToAssembler);
    include.cAnswered = true;
    EXPECT_EQ(CauseOf(Prototype("isascii", "", {"_isascii"}, false), include),
              LinkCause::DeclaredByNeither);
    include.objectWritten = false;
    EXPECT_EQ(CauseOf(Prototype("Hidden", "", {"_Hidden@4"}), include), LinkCause::NoObject);
    include.headerRefused = true;
    EXPECT_EQ(CauseOf(Prototype("Hidden", "", {"_Hidden@4"}), include),
              LinkCause::HeaderRefusedByC);
}

// One include: a structure with a moved member, one only the assembler knows, one neither
// knows; a prototype that links, one C's, one the include did not declare here.
IncludeProof OneOfEach() {
    IncludeProof include{"x.sdk", "/inc/x.h", false, true, true, {}, {}, 2};
    include.aggregates.push_back({"MOVED", {"b"}, {8, {4}}, {12, {8}}});
    include.aggregates.push_back({"ASM_ONLY", {}, {kNone, {}}, {4, {}}});
    include.aggregates.push_back({"NEITHER", {}, {kNone, {}}, {kNone, {}}});
    include.prototypes.push_back(Prototype("Sleep", "_Sleep@4", {"_Sleep@4"}));
    include.prototypes.push_back(Prototype("wsprintfA", "_wsprintfA@8", {"_wsprintfA"}));
    include.prototypes.push_back(Prototype("Hidden", "", {"_Hidden@4", "@Hidden@4"}));
    include.prototypes.push_back(Prototype("isascii", "", {"_isascii"}, false));
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
    IncludeProof exact{"z.sdk", "/inc/z.h", false, true, true, {}, {}, 0};
    exact.aggregates.push_back({"S", {"m"}, {4, {0}}, {4, {0}}});
    summary.Add(exact);
    EXPECT_TRUE(summary.AllProved());
    EXPECT_EQ(summary.Text(), "1 of 1 structures exact\n0 of 0 prototypes link\n");
    summary.Add(OneOfEach());
    IncludeProof unassembled = OneOfEach();
    unassembled.name = "y.sdk";
    unassembled.objectWritten = false;
    unassembled.prototypes = {Prototype("Beep", "", {"_Beep@8"})};
    summary.Add(unassembled);
    IncludeProof refused{"r.sdk", "/inc/r.h", true, false, false, {}, {}, 0};
    refused.aggregates.push_back({"R", {}, {kNone, {}}, {4, {}}});
    // What links in a header C refuses is not counted among the headers it takes.
    refused.objectWritten = true;
    refused.prototypes = {Prototype("OleDraw", "_OleDraw", {"_OleDraw@20"}),
                          Prototype("OleLinked", "_OleLinked@4", {"_OleLinked@4"})};
    summary.Add(refused);
    EXPECT_FALSE(summary.AllProved());
    EXPECT_EQ(summary.Text(),
              "1 of 6 structures exact (2 declared by neither compiler here)\n"
              "  1 of 5 in the headers the C compiler takes\n"
              "2 of 6 prototypes link (1 declared by neither compiler here;"
              " 4 more the libraries do not export)\n"
              "  1 of 4 in the headers the C compiler takes\n"
              "structures that differ, by cause:\n"
              "  member offsets differ: 2, e.g. x.sdk MOVED, y.sdk MOVED\n"
              "  unknown to C: 2, e.g. x.sdk ASM_ONLY, y.sdk ASM_ONLY\n"
              "  source header refused by C: 1, e.g. r.sdk R\n"
              "prototypes that do not link, by cause:\n"
              "  __cdecl written as stdcall: 1, e.g. wsprintfA (_wsprintfA@8 vs _wsprintfA)\n"
              "  stdcall written as C: 1, e.g. OleDraw (_OleDraw vs _OleDraw@20)\n"
              "  unknown to the assembler: 1, e.g. Hidden (none vs _Hidden@4 or @Hidden@4)\n"
              "  the include does not assemble: 1, e.g. Beep\n");
}

}  // namespace
}  // namespace ondavel::testing
