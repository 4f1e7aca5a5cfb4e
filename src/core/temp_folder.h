// A folder of its own under the system's temporary folder, for files that live as long as
// one command: removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string_view>

namespace ondavel {

class TempFolder {
  public:
    // "/tmp/PREFIX-XXXXXX"; path() is empty when it cannot be made.
    explicit TempFolder(std::string_view prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace ondavel
