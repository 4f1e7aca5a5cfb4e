// Assembling the translated includes: each include of an output folder is assembled on its own
// (after the support include and, when named, a base include such as windows.sdk), and the
// assembler's errors are gathered with the include line each one points at.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/target.h"

namespace ondavel {

// The assemblers looked for on PATH when none is named, in this order.
inline constexpr std::array kKnownAssemblers = {"jwasm", "uasm", "asmc"};

struct AssemblerError {
    std::string file;  // the include (relative to the output folder) or the probe
    uint32_t line = 0;
    std::string message;  // "Error A2102: Symbol not defined : X"
    std::string text;     // that line of the include, as it stands
    bool operator==(const AssemblerError& other) const {
        return file == other.file && line == other.line && message == other.message;
    }
};

struct IncludeCheck {
    std::string name;                    // "winbase.sdk"
    std::vector<AssemblerError> errors;  // every error the assembler reported
    bool ran = true;                     // false when the assembler could not be started
};

struct CheckRequest {
    std::string outputFolder;               // the kit's output folder
    std::string assembler;                  // the assembler's path
    std::vector<std::string> otherFolders;  // searched for includes after outputFolder
    std::string after;              // an include assembled before each other one; may be empty
    std::vector<std::string> only;  // the includes to check; empty: all of the folder
    unsigned jobs = 1;              // assemblers run at once
    Target target = Target::Win32;  // the machine the includes were written for
};

// The error lines of an assembler's output ("FILE(LINE) : Error ..."), file names made
// relative to folder; the lines that tell which file included which are passed over.
std::vector<AssemblerError> ParseAssemblerErrors(std::string_view output, std::string_view folder);

// The assembler source that includes the support include, after (unless it is include or
// empty) and include, for the 32-bit flat model or the 64-bit one of target; ProbeHead is all
// of it but the closing "end".
std::string ProbeSource(std::string_view include, std::string_view after,
                        Target target = Target::Win32);
std::string ProbeHead(std::string_view include, std::string_view after,
                      Target target = Target::Win32);

// The assembler's options that search folder, then each of otherFolders, for includes.
std::vector<std::string> IncludeFolderOptions(const std::filesystem::path& folder,
                                              const std::vector<std::string>& otherFolders);

// The includes of the folder and its sub-folders (*.sdk, "sys/types.sdk"), sorted, or only
// those named; after comes first when it
// is one of them.
std::vector<std::string> IncludesToCheck(const std::string& folder, std::string_view after,
                                         const std::vector<std::string>& only);

// Assembles every include of the request's folder; report receives each result in order with
// the count done so far. Returns the number of includes the assembler took without an error;
// nullopt when no probe folder could be made.
std::optional<size_t> CheckIncludes(
    const CheckRequest& request,
    const std::function<void(const IncludeCheck&, size_t done, size_t total)>& report);

}  // namespace ondavel
