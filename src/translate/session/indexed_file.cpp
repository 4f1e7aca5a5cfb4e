#include "session/indexed_file.h"

#include "core/file_io.h"
#include "core/line_index.h"
#include "core/staged_file.h"
#include "session/output.h"
#include "session/session.h"

namespace ondavel {

namespace {

// A staged output file that is discarded unless committed, also when a translation throws.
struct StagedOutput {
    std::FILE* file = nullptr;
    ~StagedOutput() { DiscardStagedFile(file); }
};

// The session's output goes to a file while this lives. Lines it has not handed on when it
// ends, as when a translation throws, are dropped with the file they were meant for.
struct OutputTarget {
    OutputTarget(Session& target, std::FILE* file) : session(target) {
        session.run.outputFile = file;
    }
    ~OutputTarget() {
        session.run.outputBuffer.clear();
        session.run.outputFile = nullptr;
    }
    Session& session;
};

}  // namespace

FileResult OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                           std::string_view outputName, FileProcessor processor) {
    StagedOutput output;
    if (!outputName.empty()) {
        output.file = CreateStagedFile(session.host, outputName);
        if (output.file == nullptr) return FileResult::Failed;
    }
    FileResult result = FileResult::Failed;
    const LoadedIndex loaded = LoadIndexedFile(session.host, inputName, index);
    if (loaded != LoadedIndex::Failed) {
        const OutputTarget target(session, output.file);
        if (loaded == LoadedIndex::NoLines) {
            result = FileResult::NoLines;
        } else {
            result = processor(session, index) ? FileResult::Done : FileResult::Failed;
        }
        FlushOutput(session);
    }
    // A header that cannot be read still leaves its (empty) output file.
    return CommitRunFile(session, output.file) ? result : FileResult::Failed;
}

}  // namespace ondavel
