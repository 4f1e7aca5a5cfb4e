#include "driver/side_files.h"

#include <string>

#include "core/file_io.h"
#include "core/host.h"
#include "core/session.h"

namespace ondavel {

bool OpenSideFile(Session& session, std::FILE*& file, std::string_view name) {
    if (file != nullptr) return true;
    const std::string path = session.run.baseDirectory + std::string(name);
    file = CreateOutputFile(path);
    if (file == nullptr) ShowLastError(session.host, "CreateFile", path);
    return file != nullptr;
}

void CloseSideFile(std::FILE*& file) {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

bool OpenTextBlockFile(Session& session) {
    return OpenSideFile(session, session.run.textBlockFile, "BlocsdeTexte.txt");
}

bool OpenNameList(Session& session) {
    return OpenSideFile(session, session.run.nameListFile, "liste.txt");
}

}  // namespace ondavel
