#include "run/commands.h"

#include <string>

#include "core/host.h"
#include "core/output_name.h"
#include "knowledge/knowledge.h"
#include "learning/oleview_reorder.h"
#include "run/command_texts.h"
#include "run/kit_profiles.h"
#include "run/side_files.h"
#include "session/indexed_file.h"
#include "session/output.h"
#include "session/session.h"
#include "statements/translate_file.h"

namespace ondavel {

bool RequireKit(Session& session) {
    if (!session.run.knowledgePath.empty()) return true;
    session.host.ShowMessage(texts::kChooseKitCaption, texts::kChooseKit, MessageIcon::Information);
    return false;
}

bool IsIdle(const Session& session) {
    return !session.run.busy && !session.run.keepJournalOpen;
}

namespace {

// Closes what the run opened; false when a side file or the journal could not be written whole.
bool FinishOneFile(Session& session) {
    RunState& run = session.run;
    bool written = CloseSideFile(session, run.textBlockFile);
    run.outputMode = OutputMode::View;
    ReleaseKitKnowledge(session);
    written = CloseJournal(session) && written;
    run.inputIndex.Release();
    session.host.SetStatus(StatusPart::Progress, "");
    return CloseSideFile(session, run.nameListFile) && written;
}

// One file through processor, with the knowledge file loaded and the side files open for it.
FileResult RunOneFile(Session& session, std::string_view inputPath, std::string_view outputPath,
                      FileProcessor processor) {
    RunState& run = session.run;
    FileResult result = FileResult::Failed;
    // journal.txt is written anew even when the input turns out to hold nothing; a run that
    // cannot keep its journal does not translate.
    if (LoadKitKnowledge(session) && OpenJournal(session)) {
        OpenTextBlockFile(session);
        result = OpenIndexedFile(session, inputPath, run.inputIndex, outputPath, processor);
        ReleasePerFileMemory(session);
    }
    return FinishOneFile(session) ? result : FileResult::Failed;
}

// Runs command when a kit was chosen and nothing else runs; Failed otherwise.
template <typename Command>
FileResult Guarded(Session& session, Command command) {
    if (!RequireKit(session) || !IsIdle(session)) return FileResult::Failed;
    session.run.busy = true;
    const FileResult result = command();
    session.run.busy = false;
    return result;
}

}  // namespace

FileResult TranslateOneFile(Session& session, std::string_view inputPath,
                            std::string_view outputDirectory) {
    RunState& run = session.run;
    std::string outputPath;
    if (!outputDirectory.empty())
        outputPath.append(outputDirectory).append(OutputFileName(inputPath));
    run.outputMode = outputPath.empty() ? OutputMode::View : OutputMode::File;
    return RunOneFile(session, inputPath, outputPath, TranslateFile);
}

FileResult TranslateTestFile(Session& session) {
    return Guarded(session, [&] {
        OpenNameList(session);
        return TranslateOneFile(session, session.run.baseDirectory + "Test.txt", {});
    });
}

FileResult TranslateChosenFile(Session& session, std::string_view inputPath,
                               std::string_view outputDirectory) {
    return Guarded(session, [&] { return TranslateOneFile(session, inputPath, outputDirectory); });
}

FileResult ReorderOleviewFile(Session& session) {
    return Guarded(session, [&] {
        RunState& run = session.run;
        OpenNameList(session);
        run.oleviewMode = true;
        run.outputMode = OutputMode::View;
        const FileResult result =
            RunOneFile(session, run.baseDirectory + "Oleview.txt",
                       run.baseDirectory + "Oleview_Ordonne.txt", ReorderOleview);
        run.oleviewMode = false;
        return result;
    });
}

}  // namespace ondavel
