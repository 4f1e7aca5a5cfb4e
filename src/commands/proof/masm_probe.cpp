#include "proof/masm_probe.h"

#include <algorithm>
#include <system_error>

#include "core/file_io.h"
#include "proof/assembler_check.h"

namespace ondavel {

std::vector<std::string> MasmProbeCommand(const MasmTools& tools, const std::string& name,
                                          bool object) {
    std::error_code ignored;
    std::filesystem::remove(tools.folder / (name + ".err"), ignored);
    // The errors go to a file of their own: on the terminal they would cut into the echoed
    // lines, the two streams being written apart.
    std::vector<std::string> command = {tools.assembler, "-q",  "-Zne", "-Zp8", "-e100000",
                                        "-eq",           "-Fw" + name + ".err"};
    // -win64 assembles for x86-64 into its 64-bit object format; a -coff after it would go
    // back to the 32-bit one.
    if (tools.target == Target::Win64) command.push_back("-win64");
    if (object) {
        if (tools.target == Target::Win32) command.push_back("-coff");
        command.push_back("-Fo" + name + ".obj");
    } else {
        command.push_back("-Zs");
    }
    command.insert(command.end(), tools.includeOptions.begin(), tools.includeOptions.end());
    command.push_back(name + ".asm");
    return command;
}

std::vector<uint32_t> MasmProbeErrorLines(const MasmTools& tools, const std::string& name,
                                          bool& inInclude) {
    std::string report;
    ReadFileBytes((tools.folder / (name + ".err")).string(), report);
    std::vector<uint32_t> lines;
    inInclude = false;
    for (const AssemblerError& error : ParseAssemblerErrors(report, "")) {
        if (error.file == name + ".asm") {
            lines.push_back(error.line);
        } else {
            inInclude = true;
        }
    }
    return lines;
}

uint32_t LinesIn(std::string_view text) {
    return static_cast<uint32_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace ondavel
