#include "workspace/workspace.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/staged_file.h"
#include "run/kit_profiles.h"
#include "run/support_include.h"
#include "workspace/bundled_kits.h"
#include "workspace/header_lists.h"

namespace ondavel {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMingwInclude = "/usr/share/mingw-w64/include";
constexpr std::array<std::string_view, 6> kKnowledgeFiles = {
    "egales.txt",   "directx.txt",   "winddkegale.txt",
    "egales64.txt", "directx64.txt", "winddkegale64.txt"};
constexpr std::string_view kTestFile = "Test.txt";
constexpr std::string_view kReadme = "README.txt";
// Where a workspace made without an include tree keeps the sample headers it is made from.
constexpr std::string_view kSampleFolder = "include";

constexpr std::string_view kReadmeText =
    "Ondavel workspace\r\n"
    "\r\n"
    "Knowledge files (how each kit is translated; edit them to tune the translation):\r\n"
    "  egales.txt       Windows SDK (kit sdk)\r\n"
    "  directx.txt      DirectX (kits directx and darkgdk)\r\n"
    "  winddkegale.txt  driver kit (kit winddk)\r\n"
    "  egales64.txt, directx64.txt, winddkegale64.txt: what differs for 64-bit Windows\r\n"
    "  (--target win64), read before the kit's own file\r\n"
    "Header lists (one header path a line, ';' lines are passed over):\r\n"
    "  header.txt, Dxheader.txt, winddkheader.txt, DarkGdkHeader.txt\r\n"
    "\r\n"
    "Translate:\r\n"
    "  ondavel --base . --kit sdk test            Test.txt to standard output\r\n"
    "  ondavel --base . --kit sdk all --list      every header into sdk/, names into liste.txt\r\n"
    "  (--kit directx: directx/, --kit winddk: winddk/, --target win64: sdk64/ ...)\r\n"
    "\r\n"
    "Grow a kit's knowledge from what a batch did not know:\r\n"
    "  ondavel --base . learn                     journal.txt + liste.txt -> learn.txt, "
    "LearnSt.txt\r\n"
    "  ondavel knowledge merge egales.txt LearnSt.txt learn.txt liste.txt\r\n";

struct WorkspaceFile {
    std::string name;
    std::string bytes;
};

constexpr std::string_view kSampleTestFile = "sample/Test.txt";
constexpr std::string_view kSampleHeaders = "sample/include/";
constexpr std::array<std::string_view, 4> kHeaderListFiles = {
    "header.txt", "Dxheader.txt", "winddkheader.txt", "DarkGdkHeader.txt"};

std::string BundledBytes(std::string_view path) {
    for (const BundledFile& file : BundledKitFiles()) {
        if (file.path == path) return std::string(file.bytes);
    }
    return {};
}

// The files of the workspace that do not depend on the include tree; with the sample headers,
// under "include/", when the request names no include tree.
std::vector<WorkspaceFile> FixedFiles(const WorkspaceRequest& request) {
    std::vector<WorkspaceFile> files;
    for (std::string_view name : kKnowledgeFiles) {
        files.push_back({std::string(name), BundledBytes(name)});
    }
    files.push_back({std::string(kTestFile), BundledBytes(kSampleTestFile)});
    files.push_back({std::string(kReadme), std::string(kReadmeText)});
    // Each kit's output folder is given the support include the translations rely on.
    for (const std::string& folder : BaseKitOutputFolders(Target::Win32)) {
        files.push_back({folder + std::string(kSupportIncludeName),
                         SupportIncludeText(Target::Win32)});
    }
    if (!request.include.empty()) return files;
    for (const BundledFile& file : BundledKitFiles()) {
        if (!file.path.starts_with(kSampleHeaders)) continue;
        files.push_back({std::string(kSampleFolder) + "/" +
                             std::string(file.path.substr(kSampleHeaders.size())),
                         std::string(file.bytes)});
    }
    return files;
}

std::vector<WorkspaceFile> HeaderListFiles(const fs::path& include) {
    const HeaderLists lists = BuildHeaderLists(include);
    const std::array paths = {&lists.sdk, &lists.directx, &lists.winddk, &lists.darkgdk};
    std::vector<WorkspaceFile> files;
    for (size_t kit = 0; kit < paths.size(); ++kit) {
        files.push_back({std::string(kHeaderListFiles[kit]), HeaderListText(*paths[kit])});
    }
    return files;
}

// The names of files the workspace would replace, each after a blank.
std::string PresentFiles(const fs::path& directory, const std::vector<WorkspaceFile>& files) {
    std::string present;
    std::error_code ignored;
    for (const WorkspaceFile& file : files) {
        if (fs::exists(directory / file.name, ignored)) present += " " + file.name;
    }
    for (std::string_view name : kHeaderListFiles) {
        if (fs::exists(directory / name, ignored)) present += " " + std::string(name);
    }
    return present;
}

size_t CountLines(std::string_view text) {
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

// Writes files into directory, adding a line for each to report; false with the reason in
// report when one cannot be written.
bool WriteFiles(const fs::path& directory, const std::vector<WorkspaceFile>& files,
                std::string& report) {
    std::error_code ignored;
    for (const WorkspaceFile& file : files) {
        const fs::path path = directory / file.name;
        fs::create_directories(path.parent_path(), ignored);
        if (!ReplaceFileContent(path.string(), file.bytes)) {
            report = path.string() + " cannot be written: " + std::strerror(errno);
            return false;
        }
        const size_t lines = CountLines(file.bytes);
        report += "  " + file.name + " (" + std::to_string(lines) +
                  (lines == 1 ? " line)\n" : " lines)\n");
    }
    return true;
}

}  // namespace

fs::path DefaultIncludeFolder() {
    std::error_code ignored;
    if (fs::is_regular_file(fs::path(kMingwInclude) / "windows.h", ignored)) return kMingwInclude;
    return {};
}

bool InitWorkspace(const WorkspaceRequest& request, std::string& report) {
    std::error_code error;
    if (!request.include.empty() && !fs::is_directory(request.include, error)) {
        report = "include folder " + request.include.string() + " does not exist";
        return false;
    }
    const std::vector<WorkspaceFile> files = FixedFiles(request);
    if (const std::string present = PresentFiles(request.directory, files);
        !present.empty() && !request.force) {
        report = request.directory.string() + " already holds" + present +
                 "; use --force to replace them";
        return false;
    }
    if (fs::create_directories(request.directory, error); error) {
        report = request.directory.string() + ": " + error.message();
        return false;
    }
    // The sample headers are among the fixed files: the lists are made once they are written.
    const fs::path include =
        request.include.empty() ? request.directory / kSampleFolder : request.include;
    report =
        "workspace " + request.directory.string() + " (headers of " + include.string() + "):\n";
    return WriteFiles(request.directory, files, report) &&
           WriteFiles(request.directory, HeaderListFiles(include), report);
}

}  // namespace ondavel
