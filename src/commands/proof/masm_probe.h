// What the probes that ask the assembler about an include share: the tools, the command, the
// errors of a run, each placed on the probe line it points at.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "session/target.h"

namespace ondavel {

struct MasmTools {
    std::filesystem::path folder;             // the probe folder, where the commands run
    std::string assembler, nm;                // their paths
    std::vector<std::string> includeOptions;  // the assembler's -I options
    Target target = Target::Win32;            // the assembler's mode: 32-bit or 64-bit
};

// The command that assembles the probe NAME.asm (written into the folder) into the object
// NAME.obj (32-bit or 64-bit COFF, as the target is), or only checks it; its errors go to
// NAME.err, which is removed first.
std::vector<std::string> MasmProbeCommand(const MasmTools& tools, const std::string& name,
                                          bool object);

// The lines of NAME.asm that the errors of its last run point at. inInclude is set by an error
// that points into another file: the include itself does not assemble.
std::vector<uint32_t> MasmProbeErrorLines(const MasmTools& tools, const std::string& name,
                                          bool& inInclude);

uint32_t LinesIn(std::string_view text);

}  // namespace ondavel
