#include "session/indexed_file.h"

#include "core/file_io.h"
#include "core/line_index.h"
#include "core/staged_file.h"
#include "session/session.h"

namespace ondavel {

namespace {

// A staged output file that is discarded unless committed, also when a translation throws.
struct StagedOutput {
    std::FILE* file = nullptr;
    ~StagedOutput() { DiscardStagedFile(file); }
};

}  // namespace

FileResult ProcessIndexedText(Session& session, std::string text, LineIndex& index,
                              FileProcessor processor) {
    if (!index.Build(std::move(text))) return FileResult::NoLines;
    return processor(session, index) ? FileResult::Done : FileResult::Failed;
}

FileResult OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                           std::string_view outputName, FileProcessor processor) {
    StagedOutput output;
    if (!outputName.empty()) {
        output.file = CreateStagedFile(session.host, outputName);
        if (output.file == nullptr) return FileResult::Failed;
    }
    std::string text;
    FileResult result = FileResult::Failed;
    if (LoadFile(session.host, inputName, text)) {
        session.run.outputFile = output.file;
        result = ProcessIndexedText(session, std::move(text), index, processor);
        session.run.outputFile = nullptr;
    }
    // A header that cannot be read still leaves its (empty) output file.
    return CommitRunFile(session, output.file) ? result : FileResult::Failed;
}

}  // namespace ondavel
