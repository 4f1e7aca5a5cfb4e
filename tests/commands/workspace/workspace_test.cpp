// A workspace made without an include tree: the sample headers the program carries are
// written into it byte for byte, and its header lists name them there.
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

namespace fs = std::filesystem;

TEST(WorkspaceSampleTest, TheBundledSampleHeadersAreWrittenAndListed) {
    TempDir base;
    const fs::path work = base.path() / "ws";
    std::string report;
    ASSERT_TRUE(InitWorkspace({work, {}, false}, report)) << report;

    const fs::path sample = fs::path(ONDAVEL_SOURCE_DIR) / "kits" / "sample" / "include";
    for (const char* name : {"windows.h", "sample.h", "d3dsample.h", "ddk/sampledrv.h"}) {
        EXPECT_EQ(ReadBytes(work / "include" / name), ReadBytes(sample / name)) << name;
    }
    const std::string include = (work / "include").string() + "/";
    EXPECT_EQ(ReadBytes(work / "header.txt"), include + "windows.h\r\n" + include + "sample.h\r\n");
    EXPECT_EQ(ReadBytes(work / "Dxheader.txt"), include + "d3dsample.h\r\n");
    EXPECT_EQ(ReadBytes(work / "winddkheader.txt"), include + "ddk/sampledrv.h\r\n");
}

}  // namespace
}  // namespace ondavel::testing
