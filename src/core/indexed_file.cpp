#include "core/indexed_file.h"

#include "core/file_io.h"
#include "core/host.h"
#include "core/line_index.h"
#include "core/session.h"

namespace ondavel {

int OpenIndexedFile(Session& session, std::string_view inputName, LineIndex& index,
                    std::string_view outputName, FileProcessor processor) {
    if (!outputName.empty()) {
        index.outputHandle = CreateOutputFile(outputName);
        if (index.outputHandle == nullptr) {
            ShowLastError(session.host, "CreateFile", outputName);
            return 0;
        }
    }
    if (LoadFile(session.host, inputName, index.text) == 0) return 0;
    index.command = LineCommand::Build;
    if (LineIndexCommand(index) == 0 || index.lines() == 0) return -1;
    index.lineNumber = 1;
    index.command = LineCommand::GetLine;
    session.run.outputFile = index.outputHandle;
    const int result = processor(session, index);
    session.run.outputFile = nullptr;
    return result;
}

}  // namespace ondavel
