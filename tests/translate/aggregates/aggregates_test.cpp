// What the golden cases cannot show: state that outlives one header, and hostile bodies.
#include <gtest/gtest.h>

#include <string>

#include "session/output.h"
#include "statements/translate_file.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

constexpr std::string_view kCodes = "typedef = t = 15\r\nstruct = s = 17\r\n";

class AggregatesTest : public HeaderFixture {
  protected:
    void SetUp() override { UseKnowledge(kCodes); }
    std::string Translate(const std::string& text) {
        host.view.clear();
        TranslateFile(session, Header(text));
        return host.view;
    }
};

TEST_F(AggregatesTest, RecordFieldTagsRunOnAcrossHeadersWhileRecordNamesStartAgain) {
    const std::string header =
        "typedef struct _A { DWORD a : 1; DWORD b; DWORD c : 2; } A;\r\n"
        "typedef struct _B { DWORD d : 3; } B;\r\n";
    const std::string first = Translate(header);
    // "AA" and "a" spell AAA, an instruction: the field takes a '_'.
    EXPECT_NE(first.find("RECAA\t\tRECORD     AAa_ : 1\r\n"), std::string::npos) << first;
    EXPECT_NE(first.find("RECBA\t\tRECORD     ABc : 2\r\n"), std::string::npos) << first;
    EXPECT_NE(first.find("RECAB\t\tRECORD     ACd : 3\r\n"), std::string::npos) << first;
    const std::string second = Translate(header);
    EXPECT_NE(second.find("RECAA\t\tRECORD     ADa : 1\r\n"), std::string::npos) << second;
    EXPECT_NE(second.find("RECAB\t\tRECORD     AFd : 3\r\n"), std::string::npos) << second;
}

TEST_F(AggregatesTest, FieldTagsPastTheLastLetterStayPrintable) {
    session.run.recordFieldTag = {'~', 'z'};
    const std::string out = Translate("typedef struct _A { DWORD x : 1; } A;\r\n");
    EXPECT_NE(out.find("RECAA\t\tRECORD     AAx : 1\r\n"), std::string::npos) << out;
}

// Names the assembler takes: past 'Z' the run letter becomes two letters and the field tag
// goes on with the small letters.
TEST_F(AggregatesTest, RecordNamesAndFieldTagsPastZStayLetters) {
    std::string text = "typedef struct _S {\r\n";
    for (int run = 0; run < 27; ++run) {
        text += "DWORD f" + std::to_string(run) + " : 1; DWORD p" + std::to_string(run) + ";\r\n";
    }
    const std::string out = Translate(text + "} S;\r\n");
    EXPECT_NE(out.find("RECZS\t\tRECORD     AZf25 : 1\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("RECAAS\t\tRECORD     Aaf26 : 1\r\n"), std::string::npos) << out;
    EXPECT_EQ(out.find('['), std::string::npos) << out;
}

// A "struct" macro defined earlier and never used leaves its kind pending: the statement's
// own keyword wins, and the kind is spent.
TEST_F(AggregatesTest, AStatementsOwnKeywordWinsOverAPendingMacroKind) {
    session.run.aggregateMacroKind = AggregateKind::Structure;
    const std::string out = Translate("typedef enum _E { E_A } E;\r\n");
    EXPECT_NE(out.find(";E\tUNION\r\n\tE_A\tEQU 0H\r\n"), std::string::npos) << out;
    EXPECT_EQ(session.run.aggregateMacroKind, AggregateKind::None);
}

TEST_F(AggregatesTest, AnUnterminatedStructureEndsTheHeaderWithoutOutput) {
    const std::string out = Translate("typedef struct _S {\r\n    DWORD a;\r\n    DWORD b;\r\n");
    EXPECT_EQ(out.find("STRUCT"), std::string::npos) << out;
}

TEST_F(AggregatesTest, DeepNestingIsWalkedToTheEnd) {
    std::string text = "typedef struct _S {\r\n";
    for (int i = 0; i < 200; ++i) text += "struct {\r\n";
    text += "DWORD a;\r\n";
    for (int i = 0; i < 200; ++i) text += "};\r\n";
    text += "} S;\r\n";
    const std::string out = Translate(text);
    EXPECT_NE(out.find("S\tSTRUCT\r\n\tSTRUCT\r\n"), std::string::npos);
    EXPECT_NE(out.find("\ta DWORD ?\r\n\tENDS\r\n"), std::string::npos);
    EXPECT_NE(out.find("\tENDS\r\nS\t\tENDS\r\n"), std::string::npos);
}

// A line that long is refused with the whole header; spread over lines, it reaches the body walk.
TEST_F(AggregatesTest, AMemberOfFiveThousandCharactersIsJournalledAndDropsTheStructure) {
    OpenJournal(session);
    std::string text = "typedef struct _S {\r\n    DWORD\r\n";
    for (int i = 0; i < 200; ++i) text += std::string(25, 'y') + "\r\n";
    text += "x;\r\n} S;\r\n";
    EXPECT_EQ(Translate(text).find("STRUCT"), std::string::npos);
    EXPECT_EQ(Journal(), "1 Ligne trop longue a traduire:PROC TranslateAggregate \r\n");
}

}  // namespace
}  // namespace ondavel::testing
