#include "proof/proof.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "core/file_io.h"
#include "core/staged_file.h"
#include "core/temp_folder.h"
#include "proof/assembler_check.h"
#include "proof/c_layout_probe.h"
#include "proof/c_prototype_probe.h"
#include "proof/cross_toolchain.h"
#include "proof/include_declarations.h"
#include "proof/library_exports.h"
#include "proof/masm_layout_probe.h"
#include "proof/masm_probe.h"
#include "proof/masm_prototype_probe.h"

namespace ondavel {

namespace {

namespace fs = std::filesystem;

IncludeDeclarations ReadDeclarations(const fs::path& folder, const std::string& name) {
    std::string text;
    ReadFileBytes((folder / name).string(), text);
    return ReadIncludeDeclarations(text);
}

// An include being proved: what it declares and the probes that ask the two compilers.
struct IncludeWork {
    IncludeProof proof;
    IncludeDeclarations declarations;
    std::vector<std::string> exported;  // the prototypes the libraries export
    std::unique_ptr<CLayoutProbe> c;
    std::unique_ptr<CPrototypeProbe> cFunctions;
    std::unique_ptr<MasmLayoutProbe> masm;
    std::unique_ptr<MasmPrototypeProbe> prototypes;

    std::vector<ProbeRun*> probes() {
        return {c.get(), cFunctions.get(), masm.get(), prototypes.get()};
    }
};

void StartWork(IncludeWork& work, const ProofRequest& request, const MasmTools& tools,
               const LibraryExports& exports, int slot) {
    for (const std::string& name : work.declarations.prototypes) {
        if (!exports.Decorated(name).empty()) work.exported.push_back(name);
    }
    const auto header = request.headers.find(work.proof.name);
    if (header != request.headers.end()) {
        work.proof.header = header->second;
        const CTools c{tools.folder, request.compiler, request.nm, request.target};
        work.c =
            std::make_unique<CLayoutProbe>(c, slot, header->second, work.declarations.aggregates);
        work.cFunctions = std::make_unique<CPrototypeProbe>(c, slot, header->second, work.exported);
    }
    work.masm = std::make_unique<MasmLayoutProbe>(tools, slot, work.proof.name, request.after,
                                                  work.declarations.aggregates);
    work.prototypes = std::make_unique<MasmPrototypeProbe>(tools, slot, work.proof.name,
                                                           request.after, work.exported);
}

// Runs the probes of the works, the next command of each at once, until all have answered.
void RunProbes(std::vector<IncludeWork>& works, const fs::path& folder) {
    for (;;) {
        std::vector<ProbeRun*> asking;
        std::vector<std::vector<std::string>> commands;
        for (IncludeWork& work : works) {
            for (ProbeRun* probe : work.probes()) {
                if (probe == nullptr) continue;
                std::vector<std::string> command = probe->Next();
                if (command.empty()) continue;
                asking.push_back(probe);
                commands.push_back(std::move(command));
            }
        }
        if (commands.empty()) return;
        const std::vector<ChildRun> runs = RunChildren(commands, folder.string());
        for (size_t i = 0; i < runs.size(); ++i) asking[i]->Take(runs[i]);
    }
}

void FinishWork(IncludeWork& work, const LibraryExports& exports) {
    IncludeProof& proof = work.proof;
    const IncludeDeclarations& declarations = work.declarations;
    proof.headerRefused = work.c != nullptr && work.c->headerRefused();
    proof.cAnswered = work.cFunctions != nullptr && !work.cFunctions->headerRefused();
    proof.objectWritten = work.prototypes->objectWritten();
    for (size_t a = 0; a < declarations.aggregates.size(); ++a) {
        AggregateProof aggregate{declarations.aggregates[a].name,
                                 declarations.aggregates[a].members, {}, work.masm->values()[a]};
        if (work.c != nullptr) aggregate.c = work.c->values()[a];
        proof.aggregates.push_back(std::move(aggregate));
    }
    proof.unexported = declarations.prototypes.size() - work.exported.size();
    for (size_t p = 0; p < work.exported.size(); ++p) {
        PrototypeProof prototype;
        prototype.name = work.exported[p];
        prototype.ours = work.prototypes->decorated()[p];
        prototype.exported = exports.Decorated(prototype.name);
        if (proof.cAnswered) {
            prototype.cDeclares = work.cFunctions->declared()[p];
            prototype.c = work.cFunctions->symbols()[p];
        }
        proof.prototypes.push_back(std::move(prototype));
    }
}

}  // namespace

std::vector<std::string> IncludesToProve(const ProofRequest& request) {
    if (request.only.empty()) return IncludesToCheck(request.outputFolder, request.after, {});
    std::vector<std::string> names;
    std::set<std::string> seen;
    std::vector<std::string> waiting = request.only;
    std::reverse(waiting.begin(), waiting.end());
    while (!waiting.empty()) {
        std::string name = std::move(waiting.back());
        waiting.pop_back();
        if (!seen.insert(name).second || !fs::is_regular_file(fs::path(request.outputFolder) / name))
            continue;
        const std::vector<std::string> included =
            ReadDeclarations(request.outputFolder, name).includes;
        waiting.insert(waiting.end(), included.rbegin(), included.rend());
        names.push_back(std::move(name));
    }
    return names;
}

bool ProveIncludes(const ProofRequest& request,
                   const std::function<void(const IncludeProof&, size_t, size_t)>& report) {
    const TempFolder probes("ondavel-prove");
    if (probes.path().empty() ||
        !ReplaceFileContent((probes.path() / kCommonCHeader).string(), CommonCHeaderText()))
        return false;
    fs::path folder = fs::absolute(request.outputFolder).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    RunChildren({PrecompileCommand(request.compiler)}, probes.path().string());
    const LibraryExports exports =
        CollectExports(request.nm, request.libraryFolder, request.target, probes.path(),
                       request.jobs);
    const MasmTools tools{probes.path(), request.assembler, request.nm,
                          IncludeFolderOptions(folder, request.otherFolders), request.target};
    const std::vector<std::string> names = IncludesToProve(request);
    const size_t jobs = std::max(1u, request.jobs);
    for (size_t first = 0; first < names.size(); first += jobs) {
        std::vector<IncludeWork> works(std::min(jobs, names.size() - first));
        for (size_t i = 0; i < works.size(); ++i) {
            works[i].proof.name = names[first + i];
            works[i].declarations = ReadDeclarations(folder, names[first + i]);
            StartWork(works[i], request, tools, exports, static_cast<int>(i));
        }
        RunProbes(works, probes.path());
        for (size_t i = 0; i < works.size(); ++i) {
            FinishWork(works[i], exports);
            report(works[i].proof, first + i + 1, names.size());
        }
    }
    return true;
}

}  // namespace ondavel
