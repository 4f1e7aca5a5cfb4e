#include "session/indexed_file.h"

#include "core/file_io.h"
#include "core/line_index.h"
#include "core/staged_file.h"
#include "session/session.h"

namespace ondavel {

FileResult ProcessIndexedText(Session& session, LineIndex& index, FileProcessor processor) {
    index.command = LineCommand::Build;
    if (LineIndexCommand(index) == 0 || index.lines() == 0) return FileResult::NoLines;
    index.lineNumber = 1;
    index.command = LineCommand::GetLine;
    session.run.outputFile = index.outputHandle;
    const bool done = processor(session, index);
    session.run.outputFile = nullptr;
    return done ? FileResult::Done : FileResult::Failed;
}

FileResult OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                           std::string_view outputName, FileProcessor processor) {
    if (!outputName.empty()) {
        index.outputHandle = CreateStagedFile(session.host, outputName);
        if (index.outputHandle == nullptr) return FileResult::Failed;
    }
    const FileResult result = LoadFile(session.host, inputName, index.text)
                                  ? ProcessIndexedText(session, index, processor)
                                  : FileResult::Failed;
    // A header that cannot be read still leaves its (empty) output file.
    return CommitRunFile(session, index.outputHandle) ? result : FileResult::Failed;
}

}  // namespace ondavel
