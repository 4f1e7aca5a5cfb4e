#include "cli/assembler_choice.h"

#include <filesystem>
#include <system_error>

#include "cli/terminal_host.h"
#include "core/child_process.h"
#include "proof/assembler_check.h"
#include "run/kit_profiles.h"
#include "session/session.h"

namespace ondavel {

namespace {

constexpr std::string_view kNoAssembler =
    "no MASM-compatible assembler found on PATH (jwasm, uasm, asmc): name one with\n"
    "--assembler PATH. JWasm is free software and builds from its source with a C compiler\n"
    "(make -f GccUnix.mak).";

std::string FindAnyAssembler(const std::string& given) {
    if (!given.empty()) return FindExecutable(given);
    for (const char* name : kKnownAssemblers) {
        if (std::string found = FindExecutable(name); !found.empty()) return found;
    }
    return {};
}

}  // namespace

std::string ChooseAssembler(TerminalHost& host, const std::string& caption,
                            const std::string& given) {
    std::string assembler = FindAnyAssembler(given);
    if (assembler.empty()) {
        host.ShowMessage(caption,
                         given.empty() ? std::string(kNoAssembler)
                                       : given + " is not an executable file",
                         MessageIcon::Stop);
    }
    return assembler;
}

std::vector<std::string> KitFoldersBeside(const Session& session) {
    std::vector<std::string> folders;
    for (const std::string& kit : BaseKitOutputFolders(session.run.target)) {
        const std::string folder = session.run.baseDirectory + kit;
        std::error_code error;
        if (folder != session.run.outputDirectory && std::filesystem::is_directory(folder, error))
            folders.push_back(folder);
    }
    return folders;
}

}  // namespace ondavel
