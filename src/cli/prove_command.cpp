#include "cli/prove_command.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "cli/assembler_choice.h"
#include "cli/terminal_host.h"
#include "core/child_process.h"
#include "proof/cross_toolchain.h"
#include "proof/include_sources.h"
#include "proof/proof.h"
#include "proof/proof_report.h"
#include "session/session.h"

namespace ondavel {

namespace {

constexpr const char* kCaption = "prove";

// The compiler of the request's target, its nm and its libraries, or false after saying what
// to install.
bool ChooseToolchain(TerminalHost& host, const std::string& given, ProofRequest& request) {
    const CrossToolchain& cross = CrossToolchainFor(request.target);
    const std::string compiler = given.empty() ? std::string(cross.compiler) : given;
    request.compiler = FindExecutable(compiler);
    request.nm = request.compiler.empty() ? std::string() : FindExecutable(NmBeside(request.compiler));
    if (!request.nm.empty()) request.libraryFolder = LibraryFolder(request.compiler);
    if (!request.libraryFolder.empty()) return true;
    const std::string missing = request.compiler.empty() ? compiler
                                : request.nm.empty()
                                    ? NmBeside(request.compiler)
                                    : "the import libraries of " + request.compiler;
    host.ShowMessage(kCaption,
                     missing + " cannot be found: apt-get install " + std::string(cross.packages),
                     MessageIcon::Stop);
    return false;
}

void PrintDifferences(const IncludeProof& include) {
    const std::vector<std::string> lines = DifferenceLines(include);
    if (lines.empty()) return;
    std::printf("%s:\n", include.name.c_str());
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int RunProveCommand(Session& session, TerminalHost& host, const ProveOptions& options) {
    if (session.run.outputDirectory.empty()) {
        host.ShowMessage(kCaption, "choose a kit with --kit", MessageIcon::Stop);
        return 1;
    }
    ProofRequest request;
    request.outputFolder = session.run.outputDirectory;
    request.otherFolders = KitFoldersBeside(session);
    request.after = options.after;
    request.only = options.only;
    request.target = session.run.target;
    request.assembler = ChooseAssembler(host, kCaption, options.assembler);
    if (request.assembler.empty() || !ChooseToolchain(host, options.compiler, request)) return 1;
    request.headers = HeadersByInclude(host, session.run.headerListPath);
    request.jobs = std::max(1u, std::thread::hardware_concurrency());
    ProofSummary summary;
    const bool ran = ProveIncludes(request, [&](const IncludeProof& include, size_t done,
                                                size_t total) {
        host.ShowProgress(std::to_string(done) + "/" + std::to_string(total) + " " + include.name);
        PrintDifferences(include);
        summary.Add(include);
    });
    host.ShowProgress("");
    if (!ran) {
        host.ShowMessage(kCaption, "no folder for the probes can be made", MessageIcon::Stop);
        return 1;
    }
    std::fputs(summary.Text().c_str(), stdout);
    return summary.AllProved() ? 0 : 1;
}

}  // namespace ondavel
