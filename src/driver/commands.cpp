#include "driver/commands.h"

#include <string>

#include "core/file_io.h"
#include "core/host.h"
#include "core/indexed_file.h"
#include "core/output.h"
#include "core/session.h"
#include "driver/translate_file.h"
#include "knowledge/knowledge.h"

namespace ondavel {

bool RequireKit(Session& session) {
    if (!session.run.knowledgePath.empty()) return true;
    session.host.ShowMessage("ONDAVEL",
                             "Vous devez CHOISIR un SDK \xE0 traduire avant de commencer\r\n"
                             "You must CHOOSE a SDK to translate before proceed",
                             MessageIcon::Information);
    return false;
}

namespace {

void OpenTextBlockFile(Session& session) {
    if (session.run.textBlockFile != nullptr) return;
    const std::string path = session.run.baseDirectory + "BlocsdeTexte.txt";
    session.run.textBlockFile = CreateOutputFile(path);
    if (session.run.textBlockFile == nullptr) ShowLastError(session.host, "CreateFile", path);
}

void CloseTextBlockFile(Session& session) {
    if (session.run.textBlockFile == nullptr) return;
    std::fclose(session.run.textBlockFile);
    session.run.textBlockFile = nullptr;
}

void FinishOneFile(Session& session) {
    RunState& run = session.run;
    CloseTextBlockFile(session);
    run.outputMode = OutputMode::View;
    if (!run.keepJournalOpen) {
        ReleaseKnowledgeFile(session);
        CloseJournal(session);
    }
    run.inputIndex.command = LineCommand::Release;
    LineIndexCommand(run.inputIndex);
    session.host.SetStatus(StatusPart::Progress, "");
}

}  // namespace

int TranslateOneFile(Session& session, std::string_view inputPath, std::string_view outputPath) {
    RunState& run = session.run;
    int result = 0;
    if (LoadKnowledgeFile(session, run.knowledgePath) != 0) {
        OpenTextBlockFile(session);
        // journal.txt is written anew even when the input turns out to hold nothing.
        OpenJournal(session);
        run.outputMode = outputPath.empty() ? OutputMode::View : OutputMode::File;
        result = OpenIndexedFile(session, inputPath, run.inputIndex, outputPath, TranslateFile);
        ReleasePerFileMemory(session);
    }
    FinishOneFile(session);
    return result;
}

int TranslateTestFile(Session& session) {
    if (!RequireKit(session)) return 0;
    return TranslateOneFile(session, session.run.baseDirectory + "Test.txt", {});
}

}  // namespace ondavel
