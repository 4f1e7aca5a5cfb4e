// A fresh session with a header loaded as its input, for tests of the driver. Its base directory
// is a scratch folder of the test's own, where the journal goes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/line_index.h"
#include "knowledge/knowledge.h"
#include "session/output.h"
#include "session/session.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {

class HeaderFixture : public ::testing::Test {
  protected:
    HeaderFixture() { session.run.baseDirectory = dir_.path().string() + "/"; }

    // Loads a knowledge file whose code section holds the given lines (ended by CR LF) and
    // whose other sections are empty.
    void UseKnowledge(std::string_view codeLines) {
        WriteBytes(dir_ / "egales.txt",
                   std::string(codeLines) +
                       "TRADUIRE\r\nTYPEDEFINI\r\nCOMMONSTRUCTURE\r\nCOMMONRECORD\r\n"
                       "INCOMPATIBLE\r\nINCOMPATIBLE_EQUATE\r\nINTERFACE_API_CONFLIT_NOM\r\n"
                       "FINDELISTE\r\n");
        ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge, dir_ / "egales.txt"));
    }
    void UseBundledKnowledge() {
        ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge,
                                      ONDAVEL_SOURCE_DIR "/kits/egales.txt"));
    }
    // The knowledge file that the golden cases of area bring.
    void UseGoldenKnowledge(std::string_view area) {
        const std::string path =
            std::string(ONDAVEL_SOURCE_DIR) + "/tests/golden/" + std::string(area) + "/egales.txt";
        ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge, path));
    }
    // Makes text (lines ended by CR LF) the header being translated.
    LineIndex& Header(std::string_view text) {
        LineIndex& index = session.run.inputIndex;
        EXPECT_TRUE(index.Build(std::string(text)));
        return index;
    }
    std::string Line(uint32_t n) {
        std::string_view line;
        session.run.inputIndex.Line(n, line);
        return std::string(line);
    }
    // Closes the journal and reads what it holds.
    std::string Journal() {
        CloseJournal(session);
        return ReadBytes(dir_ / "journal.txt");
    }

    RecordingHost host;
    Session session{host};
    TempDir dir_;
};

}  // namespace ondavel::testing
