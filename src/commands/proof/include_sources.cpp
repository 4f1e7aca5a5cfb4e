#include "proof/include_sources.h"

#include <filesystem>
#include <system_error>

#include "core/file_io.h"
#include "core/line_index.h"
#include "core/output_name.h"
#include "core/text.h"

namespace ondavel {

std::map<std::string, std::string> HeadersByInclude(Host& host, const std::string& listPath) {
    std::map<std::string, std::string> headers;
    LineIndex list;
    std::string text;
    if (!LoadFile(host, listPath, text)) return headers;
    list.Build(std::move(text));
    std::string root;
    for (uint32_t n = 1; n <= list.lines(); ++n) {
        std::string_view line;
        if (!list.Line(n, line)) continue;
        const std::string_view path = Trimmed(line);
        if (path.empty() || path.front() == ';') continue;
        std::error_code ignored;
        const std::filesystem::path header =
            std::filesystem::absolute(path, ignored).lexically_normal();
        if (root.empty()) root = header.parent_path().string();
        headers.emplace(OutputNameUnder(root, header.string()), header.string());
    }
    return headers;
}

}  // namespace ondavel
