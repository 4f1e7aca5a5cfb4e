// A workspace: a folder holding what the kit commands read (knowledge files, header lists,
// Test.txt), made from the kits compiled into the program and an include tree.
#pragma once

#include <filesystem>
#include <string>

namespace ondavel {

// The include tree a workspace is made from when none is named: the MinGW-w64 headers when
// they are installed, else empty (the sample headers the program carries).
std::filesystem::path DefaultIncludeFolder();

struct WorkspaceRequest {
    std::filesystem::path directory;  // created when missing
    std::filesystem::path include;    // the include tree the header lists are made from; empty:
                                      // the bundled sample headers, written into "include/"
    bool force = false;               // replace files that are already there
};

// Writes the workspace: the three knowledge files, the four header lists, Test.txt,
// README.txt and the support include of each kit's output folder; the knowledge files, Test.txt
// and the sample headers come from the kits the program carries. Nothing is written when a file
// would be replaced without force, or when the include folder is missing. True with a report of
// what was written, or false with the reason in report.
bool InitWorkspace(const WorkspaceRequest& request, std::string& report);

}  // namespace ondavel
