#include "run/listed_header.h"

#include "core/file_io.h"
#include "core/line_index.h"
#include "core/text.h"
#include "session/session.h"

namespace ondavel {

std::string FindListedHeader(Session& session, std::string_view name) {
    const std::string& listPath = session.run.headerListPath;
    if (name.find_first_of("/\\") != std::string_view::npos || !FileExists(listPath)) {
        return std::string(name);
    }
    LineIndex list;
    std::string text;
    if (!LoadFile(session.host, listPath, text)) return std::string(name);
    list.Build(std::move(text));
    for (uint32_t n = 1; n <= list.lines(); ++n) {
        std::string_view line;
        if (!list.Line(n, line)) continue;
        const std::string_view path = Trimmed(line);
        if (!path.empty() && path.front() != ';' && FileNamePart(path) == name) {
            return std::string(path);
        }
    }
    return std::string(name);
}

}  // namespace ondavel
