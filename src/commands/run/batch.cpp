#include "run/batch.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "core/file_io.h"
#include "core/host.h"
#include "core/output_name.h"
#include "core/text.h"
#include "knowledge/knowledge.h"
#include "run/command_texts.h"
#include "run/commands.h"
#include "run/kit_profiles.h"
#include "run/side_files.h"
#include "run/support_include.h"
#include "session/indexed_file.h"
#include "session/output.h"
#include "session/session.h"
#include "statements/translate_file.h"

namespace ondavel {

namespace {

namespace fs = std::filesystem;

// The longest header path a list line may hold.
constexpr size_t kPathLimit = 260;

std::string_view TrimmedLine(std::string_view line) {
    while (!line.empty() && IsTrimmable(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsTrimmable(line.back())) line.remove_suffix(1);
    return line;
}

bool NamesHeader(std::string_view line) {
    return !line.empty() && line.front() != ';';
}

fs::path NormalPath(std::string_view path) {
    std::error_code ignored;
    return fs::absolute(fs::path(path), ignored).lexically_normal();
}

// The folder of the first header the list names: the root of the include tree, whose
// sub-folders the outputs repeat.
std::string FirstHeaderFolder(LineIndex& list) {
    std::string_view line;
    for (uint32_t number = 1; number <= list.lines() && list.Line(number, line); ++number) {
        if (NamesHeader(TrimmedLine(line))) return NormalPath(TrimmedLine(line)).parent_path();
    }
    return {};
}

// The knowledge file and the header list, both loaded and indexed; false when either fails.
bool LoadBatchInputs(Session& session) {
    RunState& run = session.run;
    LineIndex& list = run.headerListIndex;
    if (list.lines() != 0 || !LoadKitKnowledge(session)) {
        return false;
    }
    std::string text;
    if (!LoadFile(session.host, run.headerListPath, text)) return false;
    if (!list.Build(std::move(text))) {
        session.host.ShowMessage(run.headerListPath, "the header list names no header",
                                 MessageIcon::Stop);
        return false;
    }
    run.headerListRoot = FirstHeaderFolder(list);
    run.headerListTaken = 0;
    return true;
}

void CloseBatchFiles(Session& session) {
    RunState& run = session.run;
    CloseSideFile(session, run.textBlockFile);
    ReleaseKitKnowledge(session);
    run.headerListIndex.Release();
    run.keepJournalOpen = false;
    CloseJournal(session);
    CloseSideFile(session, run.nameListFile);
    run.outputMode = OutputMode::View;
}

void FinishBatch(Session& session) {
    CloseBatchFiles(session);
    session.host.SetStatus(StatusPart::Progress, texts::kBatchDone);
}

// Each header's path stands before what the side files receive from it.
void WriteHeaderPath(Session& session, std::string_view path) {
    RunState& run = session.run;
    WriteJournalLine(session, path);
    for (std::FILE* file : {run.textBlockFile, run.nameListFile}) {
        if (file == nullptr) continue;
        std::fwrite(path.data(), 1, path.size(), file);
        std::fwrite("\r\n", 1, 2, file);
    }
}

// The header's output name, or, when another header of the batch took that name (two
// headers of one name in different folders, or names that differ only in case), the first
// free "NAME~N.sdk": the clash is journalled and shown, and neither output is lost. A header
// listed twice keeps its one name.
std::string UnclaimedOutputName(Session& session, std::string_view path) {
    auto& names = session.run.outputNames;
    const std::string wanted = OutputNameUnder(session.run.headerListRoot, path);
    std::string name = wanted;
    for (int number = 2;; ++number) {
        const auto [entry, added] = names.emplace(name, path);
        if (added || entry->second == path) break;
        name = ClashFreeName(wanted, number);
    }
    if (name != wanted) {
        const std::string text =
            std::string(texts::kOutputNameTaken) + wanted + std::string(texts::kWrittenAs) + name;
        WriteJournalLine(session, text);
        session.host.ShowMessage(path, text, MessageIcon::Information);
    }
    return name;
}

BatchStepResult TranslateListedHeader(Session& session, uint32_t lineNumber,
                                      std::string_view path) {
    RunState& run = session.run;
    if (!NamesHeader(path)) return BatchStepResult::Done;
    if (path.size() > kPathLimit) {
        session.host.ShowMessage(run.headerListPath,
                                 "line " + std::to_string(lineNumber) +
                                     ": a header path longer than 260 characters is refused",
                                 MessageIcon::Stop);
        return BatchStepResult::Failed;
    }
    session.host.SetTitle(FileNamePart(path));
    WriteHeaderPath(session, path);
    run.outputMode = OutputMode::File;
    run.currentOutputName = UnclaimedOutputName(session, path);
    const std::string outputPath = run.outputDirectory + run.currentOutputName;
    std::error_code ignored;
    fs::create_directories(fs::path(outputPath).parent_path(), ignored);
    const FileResult result =
        OpenIndexedFile(session, path, run.inputIndex, outputPath, TranslateFile);
    run.inputIndex.Release();
    run.currentOutputName.clear();
    // A header without lines leaves an empty output: the batch has translated it.
    return result == FileResult::Failed ? BatchStepResult::Failed : BatchStepResult::Done;
}

}  // namespace

bool StartBatch(Session& session, NameList nameList) {
    if (!RequireKit(session) || !IsIdle(session)) return false;
    const bool ready = (nameList == NameList::Skip || OpenNameList(session)) &&
                       LoadBatchInputs(session) && OpenJournal(session) &&
                       OpenTextBlockFile(session) && WriteSupportInclude(session);
    if (!ready) {
        CloseBatchFiles(session);
        return false;
    }
    session.run.keepJournalOpen = true;
    session.run.outputNames.clear();
    session.run.batchNames.clear();
    session.run.emptyMacros.clear();
    session.run.conventionMacros.clear();
    session.run.arrayTypes.clear();
    session.run.structureAliases.clear();
    return true;
}

bool ClaimBatchStep(Session& session) {
    if (!session.run.keepJournalOpen || session.run.busy) return false;
    session.run.busy = true;
    return true;
}

BatchStepResult RunBatchStep(Session& session) {
    RunState& run = session.run;
    const uint32_t next = run.headerListTaken + 1;
    std::string_view line;
    BatchStepResult result = BatchStepResult::Finished;
    if (!run.keepJournalOpen) {
        // Finished already: the finish runs once.
    } else if (run.headerListIndex.Line(next, line)) {
        run.headerListTaken = next;
        result = TranslateListedHeader(session, next, TrimmedLine(line));
    } else {
        FinishBatch(session);
    }
    session.run.busy = false;
    return result;
}

BatchProgress GetBatchProgress(Session& session) {
    const RunState& run = session.run;
    BatchProgress progress;
    if (!run.keepJournalOpen) return progress;
    progress.done = run.headerListTaken;
    progress.total = run.headerListIndex.lines();
    std::string_view line;
    if (run.headerListIndex.Line(progress.done + 1, line)) progress.next = TrimmedLine(line);
    return progress;
}

}  // namespace ondavel
