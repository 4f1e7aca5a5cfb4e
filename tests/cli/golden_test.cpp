// Golden cases: tests/golden/<area>/<case>.h is translated by the real command as Test.txt;
// standard output must equal <case>.sdk byte for byte and, where <case>.journal exists,
// journal.txt must equal it. An area may bring its own egales.txt; otherwise the bundled
// SDK knowledge file is used, and so for its 64-bit overlay. The cases of the area win64 are
// translated for 64-bit Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenRoot = fs::path(ONDAVEL_SOURCE_DIR) / "tests" / "golden";

std::vector<fs::path> GoldenCases() {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::recursive_directory_iterator(kGoldenRoot)) {
        if (entry.path().extension() == ".h") cases.push_back(entry.path());
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

// The area's own knowledge file of that name, or else the bundled one.
fs::path KnowledgeFileFor(const fs::path& header, const std::string& name) {
    const fs::path own = header.parent_path() / name;
    return fs::exists(own) ? own : fs::path(ONDAVEL_SOURCE_DIR) / "kits" / name;
}

class GoldenTest : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenTest, TranslationMatches) {
    const fs::path header = GetParam();
    TempDir base;
    fs::copy_file(KnowledgeFileFor(header, "egales.txt"), base / "egales.txt");
    fs::copy_file(KnowledgeFileFor(header, "egales64.txt"), base / "egales64.txt");
    fs::copy_file(header, base / "Test.txt");
    const bool win64 = header.parent_path().filename() == "win64";
    const CliRun run =
        RunCli(base, win64 ? "-q --target win64 --kit sdk test" : "-q --kit sdk test");
    ASSERT_EQ(run.exitCode, 0) << run.err;

    fs::path expected = header;
    EXPECT_EQ(run.out, ReadBytes(expected.replace_extension(".sdk")));
    if (fs::exists(expected.replace_extension(".journal"))) {
        EXPECT_EQ(ReadBytes(base / "journal.txt"), ReadBytes(expected));
    }
}

std::string CaseName(const ::testing::TestParamInfo<fs::path>& info) {
    std::string name =
        info.param.parent_path().filename().string() + "_" + info.param.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, ::testing::ValuesIn(GoldenCases()), CaseName);

}  // namespace
}  // namespace ondavel::testing
