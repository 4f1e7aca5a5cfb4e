#include "run/side_files.h"

#include <string>

#include "core/staged_file.h"
#include "session/session.h"

namespace ondavel {

bool OpenSideFile(Session& session, std::FILE*& file, std::string_view name) {
    if (file != nullptr) return true;
    const std::string path = session.run.baseDirectory + std::string(name);
    file = CreateStagedFile(session.host, path);
    return file != nullptr;
}

bool CloseSideFile(Session& session, std::FILE*& file) {
    return CommitRunFile(session, file);
}

bool OpenTextBlockFile(Session& session) {
    return OpenSideFile(session, session.run.textBlockFile, "BlocsdeTexte.txt");
}

bool OpenNameList(Session& session) {
    return OpenSideFile(session, session.run.nameListFile,
                        ForTarget("liste.txt", session.run.target));
}

}  // namespace ondavel
