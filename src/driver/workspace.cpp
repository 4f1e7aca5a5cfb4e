#include "driver/workspace.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/file_io.h"
#include "core/staged_file.h"
#include "driver/header_lists.h"
#include "driver/kit_profiles.h"
#include "driver/support_include.h"

namespace ondavel {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMingwInclude = "/usr/share/mingw-w64/include";
constexpr std::array<std::string_view, 3> kKnowledgeFiles = {"egales.txt", "directx.txt",
                                                             "winddkegale.txt"};
constexpr std::string_view kTestFile = "Test.txt";
constexpr std::string_view kReadme = "README.txt";

constexpr std::string_view kReadmeText =
    "Ondavel workspace\r\n"
    "\r\n"
    "Knowledge files (how each kit is translated; edit them to tune the translation):\r\n"
    "  egales.txt       Windows SDK (kit sdk)\r\n"
    "  directx.txt      DirectX (kits directx and darkgdk)\r\n"
    "  winddkegale.txt  driver kit (kit winddk)\r\n"
    "Header lists (one header path a line, ';' lines are passed over):\r\n"
    "  header.txt, Dxheader.txt, winddkheader.txt, DarkGdkHeader.txt\r\n"
    "\r\n"
    "Translate:\r\n"
    "  ondavel --base . --kit sdk test            Test.txt to standard output\r\n"
    "  ondavel --base . --kit sdk all --list      every header into sdk/, names into liste.txt\r\n"
    "  (--kit directx into directx/, --kit winddk into winddk/)\r\n"
    "\r\n"
    "Grow a kit's knowledge from what a batch did not know:\r\n"
    "  ondavel --base . learn                     journal.txt + liste.txt -> learn.txt, "
    "LearnSt.txt\r\n"
    "  ondavel knowledge merge egales.txt LearnSt.txt learn.txt liste.txt\r\n";

struct WorkspaceFile {
    std::string name;
    std::string bytes;
};

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

bool HoldsKits(const fs::path& folder) {
    std::error_code ignored;
    return !folder.empty() && fs::is_regular_file(folder / kKnowledgeFiles[0], ignored);
}

// The files of the workspace, or false with the name of a bundled file that cannot be read.
bool GatherFiles(const WorkspaceRequest& request, std::vector<WorkspaceFile>& files,
                 std::string& missing) {
    for (std::string_view name :
         std::array{kKnowledgeFiles[0], kKnowledgeFiles[1], kKnowledgeFiles[2], kTestFile}) {
        const fs::path source =
            name == kTestFile ? request.kits / "sample" / name : request.kits / name;
        WorkspaceFile file{std::string(name), {}};
        if (!ReadFileBytes(source.string(), file.bytes)) {
            missing = source.string();
            return false;
        }
        files.push_back(std::move(file));
    }
    const HeaderLists lists = BuildHeaderLists(request.include);
    files.push_back({"header.txt", HeaderListText(lists.sdk)});
    files.push_back({"Dxheader.txt", HeaderListText(lists.directx)});
    files.push_back({"winddkheader.txt", HeaderListText(lists.winddk)});
    files.push_back({"DarkGdkHeader.txt", HeaderListText(lists.darkgdk)});
    files.push_back({std::string(kReadme), std::string(kReadmeText)});
    // Each kit's output folder is given the support include the translations rely on.
    for (std::string_view folder : BaseKitOutputFolders()) {
        files.push_back(
            {std::string(folder) + std::string(kSupportIncludeName), SupportIncludeText()});
    }
    return true;
}

size_t CountLines(std::string_view text) {
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

}  // namespace

fs::path FindBundledKits() {
    const fs::path program = ProgramFolder();
    const std::array<fs::path, 4> candidates = {
        program / "kits", program.parent_path() / "kits",
        program.parent_path() / "share" / "ondavel" / "kits", fs::path(ONDAVEL_INSTALLED_KITS)};
    for (const fs::path& candidate : candidates) {
        if (HoldsKits(candidate)) return candidate;
    }
    return {};
}

fs::path DefaultIncludeFolder(const fs::path& kits) {
    std::error_code ignored;
    if (fs::is_regular_file(fs::path(kMingwInclude) / "windows.h", ignored)) return kMingwInclude;
    return kits / "sample" / "include";
}

int InitWorkspace(const WorkspaceRequest& request, std::string& report) {
    std::error_code error;
    if (!fs::is_directory(request.include, error)) {
        report = "include folder " + request.include.string() + " does not exist";
        return 0;
    }
    std::vector<WorkspaceFile> files;
    std::string missing;
    if (!GatherFiles(request, files, missing)) {
        report = "bundled kit file " + missing + " cannot be read";
        return 0;
    }
    std::string present;
    for (const WorkspaceFile& file : files) {
        if (fs::exists(request.directory / file.name, error)) present += " " + file.name;
    }
    if (!present.empty() && !request.force) {
        report = request.directory.string() + " already holds" + present +
                 "; use --force to replace them";
        return 0;
    }
    if (fs::create_directories(request.directory, error); error) {
        report = request.directory.string() + ": " + error.message();
        return 0;
    }
    report = "workspace " + request.directory.string() + " (headers of " +
             request.include.string() + "):\n";
    for (const WorkspaceFile& file : files) {
        const fs::path path = request.directory / file.name;
        fs::create_directories(path.parent_path(), error);
        if (!ReplaceFileContent(path.string(), file.bytes)) {
            report = path.string() + " cannot be written: " + std::strerror(errno);
            return 0;
        }
        const size_t lines = CountLines(file.bytes);
        report += "  " + file.name + " (" + std::to_string(lines) +
                  (lines == 1 ? " line)\n" : " lines)\n");
    }
    return 1;
}

}  // namespace ondavel
