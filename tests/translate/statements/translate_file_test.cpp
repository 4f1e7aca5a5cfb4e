#include "statements/translate_file.h"

#include <gtest/gtest.h>

#include "session/output.h"
#include "support/header_fixture.h"

namespace ondavel::testing {
namespace {

class TranslateFileTest : public HeaderFixture {
  protected:
    void SetUp() override {
        UseKnowledge("#pragma = pragma = 10\r\n#define = define = 5\r\n");
    }
};

// The count line says a negative count (extra_endif); the next header starts from nothing.
TEST_F(TranslateFileTest, DropsANegativeIfCount) {
    session.header.ifDepth = -1;
    TranslateFile(session, Header("// only\r\n"));
    EXPECT_EQ(session.header.ifDepth, 0);
}

TEST_F(TranslateFileTest, ReportsProgressEveryFortyStatements) {
    std::string text;
    for (int i = 0; i < 85; ++i) text += "#pragma once\r\n";
    TranslateFile(session, Header(text));
    ASSERT_EQ(host.statuses.size(), 2u);
    EXPECT_EQ(host.statuses[0].second, "Progression ligne : 40");
    EXPECT_EQ(host.statuses[1].second, "Progression ligne : 80");
}

TEST_F(TranslateFileTest, ReleasesWhatTheHeaderCollected) {
    TranslateFile(session, Header("#define LPX X *\r\n"));
    EXPECT_EQ(session.header.names.dwordTypes.used, 0u);
    EXPECT_EQ(session.run.journalFile, nullptr);  // closed: no batch keeps it open
}

TEST_F(TranslateFileTest, ACommentLeftOpenByAStatementSwallowsTheLinesAfterIt) {
    TranslateFile(session, Header("int a; /* open\r\n#pragma once */\r\n#pragma once\r\n"));
    EXPECT_EQ(host.view,
              ";#pragma once */\r\n;ECHO   once\r\n\r\n\r\n;+ IF > endif  D\xE9"
              "compte des if: 0\r\n");
}

TEST_F(TranslateFileTest, ACommentLeftOpenAtTheEndDoesNotReachTheNextHeader) {
    TranslateFile(session, Header("/* never closed\r\n"));
    host.view.clear();
    TranslateFile(session, Header("#pragma once\r\n"));
    EXPECT_EQ(host.view.substr(0, 14), ";ECHO   once\r\n");
}

}  // namespace
}  // namespace ondavel::testing
