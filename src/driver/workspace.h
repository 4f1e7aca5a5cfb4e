// A workspace: a folder holding what the kit commands read (knowledge files, header lists,
// Test.txt), made from the kits bundled with the program and an include tree.
#pragma once

#include <filesystem>
#include <string>

namespace ondavel {

// The folder of the bundled kits: "kits" beside the program or one level up (a build tree),
// then "share/ondavel/kits" of the program's installation prefix, then the folder the build
// installs to. Empty when none holds egales.txt.
std::filesystem::path FindBundledKits();

// The include tree a workspace is made from when none is named: the MinGW-w64 headers when
// they are installed, else the sample headers of the bundled kits.
std::filesystem::path DefaultIncludeFolder(const std::filesystem::path& kits);

struct WorkspaceRequest {
    std::filesystem::path directory;  // created when missing
    std::filesystem::path include;    // the include tree the header lists are made from
    std::filesystem::path kits;       // the bundled kits
    bool force = false;               // replace files that are already there
};

// Writes the workspace: the three knowledge files, the four header lists, Test.txt and
// README.txt. Nothing is written when a file would be replaced without force, or when the
// include folder or a bundled file is missing. Returns 1 with a report of what was written,
// or 0 with the reason in report.
int InitWorkspace(const WorkspaceRequest& request, std::string& report);

}  // namespace ondavel
