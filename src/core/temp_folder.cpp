#include "core/temp_folder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace ondavel {

namespace fs = std::filesystem;

TempFolder::TempFolder(std::string_view prefix) {
    std::error_code error;
    fs::path base = fs::temp_directory_path(error);
    if (error) base = "/tmp";
    std::string pattern = (base / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

}  // namespace ondavel
