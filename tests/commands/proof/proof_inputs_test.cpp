// What a proof starts from: the includes to prove, each one's source header, the tools.
#include <gtest/gtest.h>

#include "core/host.h"
#include "proof/cross_toolchain.h"
#include "proof/include_sources.h"
#include "proof/proof.h"
#include "support/temp_dir.h"

namespace ondavel::testing {
namespace {

using Names = std::vector<std::string>;

TEST(ProofInputsTest, ANamedIncludeBringsItsTreeOnceInTheOrderItIncludesIt) {
    TempDir folder;
    std::filesystem::create_directories(folder.path() / "sys");
    WriteBytes(folder.path() / "top.sdk", "Include a.sdk\r\nInclude sys/b.sdk\r\n");
    WriteBytes(folder.path() / "a.sdk", "IFDEF X\r\nInclude sys/b.sdk\r\nENDIF\r\n");
    WriteBytes(folder.path() / "sys" / "b.sdk", "Include top.sdk\r\nInclude missing.sdk\r\n");
    WriteBytes(folder.path() / "other.sdk", "");
    ProofRequest request;
    request.outputFolder = folder.path().string();
    request.only = {"top.sdk"};
    EXPECT_EQ(IncludesToProve(request), (Names{"top.sdk", "a.sdk", "sys/b.sdk"}));
    request.only.clear();
    request.after = "top.sdk";
    EXPECT_EQ(IncludesToProve(request), (Names{"top.sdk", "a.sdk", "other.sdk", "sys/b.sdk"}));
}

TEST(ProofInputsTest, EachIncludeIsTracedToTheFirstHeaderThatGivesItsName) {
    TempDir folder;
    WriteBytes(folder.path() / "header.txt",
               "; the SDK\r\n/inc/windows.h\r\n/inc/sys/Types.h\r\n/other/windows.h\r\n\r\n");
    DiscardingHost host;
    const std::map<std::string, std::string> headers =
        HeadersByInclude(host, folder / "header.txt");
    EXPECT_EQ(headers, (std::map<std::string, std::string>{{"windows.sdk", "/inc/windows.h"},
                                                           {"sys/types.sdk", "/inc/sys/Types.h"}}));
}

TEST(ProofInputsTest, NmIsTakenBesideTheCompiler) {
    EXPECT_EQ(NmBeside("/usr/bin/i686-w64-mingw32-gcc"), "/usr/bin/i686-w64-mingw32-nm");
    EXPECT_EQ(NmBeside("i686-w64-mingw32-gcc-win32"), "i686-w64-mingw32-nm");
    EXPECT_EQ(NmBeside("/opt/gcc/bin/cc"), "");
}

}  // namespace
}  // namespace ondavel::testing
