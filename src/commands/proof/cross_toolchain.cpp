#include "proof/cross_toolchain.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "core/child_process.h"
#include "core/temp_folder.h"

namespace ondavel {

namespace fs = std::filesystem;

const CrossToolchain& CrossToolchainFor(Target target) {
    static constexpr CrossToolchain kWin32 = {"i686-w64-mingw32-gcc",
                                              "gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686"};
    static constexpr CrossToolchain kWin64 = {
        "x86_64-w64-mingw32-gcc", "gcc-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64"};
    return target == Target::Win64 ? kWin64 : kWin32;
}

std::string NmBeside(const std::string& compiler) {
    const size_t name = compiler.rfind('/') == std::string::npos ? 0 : compiler.rfind('/') + 1;
    const size_t gcc = compiler.rfind("gcc");
    if (gcc == std::string::npos || gcc < name) return {};
    return compiler.substr(0, gcc) + "nm";
}

std::string LibraryFolder(const std::string& compiler) {
    const TempFolder folder("ondavel-libraries");
    const std::vector<ChildRun> runs =
        RunChildren({{compiler, "-print-file-name=libkernel32.a"}}, folder.path().string());
    std::string path = runs.front().output;
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
    std::error_code error;
    if (runs.front().exitCode != 0 || !fs::is_regular_file(path, error)) return {};
    return fs::path(path).parent_path().string();
}

LibraryExports CollectExports(const std::string& nm, const std::string& libraryFolder,
                              Target target, const fs::path& workFolder, unsigned jobs) {
    std::vector<std::string> libraries;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(libraryFolder, error)) {
        if (entry.path().extension() == ".a") libraries.push_back(entry.path().string());
    }
    std::sort(libraries.begin(), libraries.end());
    std::vector<std::vector<std::string>> commands(std::max(1u, jobs), {nm, "-g", "--defined-only"});
    for (size_t i = 0; i < libraries.size(); ++i)
        commands[i % commands.size()].push_back(libraries[i]);
    LibraryExports exports(target);
    for (const ChildRun& run : RunChildren(commands, workFolder.string()))
        exports.AddListing(run.output);
    return exports;
}

}  // namespace ondavel
