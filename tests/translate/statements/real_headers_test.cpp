// The MinGW-w64 headers are the real-world corpus: every one of them must go through the
// translation without a crash (run this under the sanitizer build).
#include <gtest/gtest.h>

#include <filesystem>

#include "knowledge/knowledge.h"
#include "session/indexed_file.h"
#include "session/session.h"
#include "statements/translate_file.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kMingwInclude = "/usr/share/mingw-w64/include";

// Counts what the headers produced, and forgets it.
class CountingHost : public RecordingHost {
  public:
    void AppendToView(std::string_view bytes) override { viewBytes += bytes.size(); }
    size_t viewBytes = 0;
};

TEST(RealHeadersTest, EveryMingwHeaderTranslates) {
    if (!fs::is_directory(kMingwInclude)) GTEST_SKIP() << "mingw-w64-i686-dev is not installed";
    CountingHost host;
    Session session(host);
    TempDir base;
    session.run.baseDirectory = base.path().string() + "/";
    ASSERT_TRUE(LoadKnowledgeFile(session.host, session.run.knowledge, std::string(ONDAVEL_SOURCE_DIR) + "/kits/egales.txt"));
    size_t headers = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kMingwInclude)) {
        if (!entry.is_regular_file()) continue;
        LineIndex index;
        EXPECT_NE(OpenIndexedFile(session, entry.path().string(), index, {}, TranslateFile),
                  FileResult::Failed)
            << entry.path();
        ++headers;
    }
    EXPECT_GT(headers, 1000u);
    EXPECT_GT(host.viewBytes, 0u);
    // Translations may show their own messages; a header that cannot be read may not.
    for (const RecordedMessage& message : host.messages) {
        EXPECT_NE(message.caption, "LoadFile") << message.text;
        EXPECT_NE(message.caption, "SetTestFichier") << message.text;
    }
}

}  // namespace
}  // namespace ondavel::testing
