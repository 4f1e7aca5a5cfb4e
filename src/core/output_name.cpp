#include "core/output_name.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/file_io.h"

namespace ondavel {

namespace {

// Leaves room under the file system's 255-byte name limit for ".sdk" and for the temporary
// name under which the file is written.
constexpr size_t kStemLimit = 200;
constexpr std::string_view kExtension = ".sdk";

char SafeNameByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return '_';
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string WithoutLastExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

}  // namespace

std::string OutputFileName(std::string_view inputPath) {
    std::string stem = WithoutLastExtension(FileNamePart(inputPath));
    if (stem.size() > kStemLimit) stem.resize(kStemLimit);
    std::transform(stem.begin(), stem.end(), stem.begin(), SafeNameByte);
    return stem.append(kExtension);
}

std::string IncludedOutputName(std::string_view headerName) {
    const size_t slash = headerName.find_last_of("/\\");
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = headerName.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart) return {};
    std::string name(headerName.substr(0, dot));
    std::transform(name.begin(), name.end(), name.begin(), SafeNameByte);
    return name.append(kExtension);
}

std::string OutputNameUnder(std::string_view root, std::string_view path) {
    if (root.empty()) return OutputFileName(path);
    std::error_code ignored;
    const std::filesystem::path relative =
        std::filesystem::absolute(path, ignored).lexically_normal().lexically_relative(root);
    if (relative.empty() || !relative.has_parent_path() || *relative.begin() == "..")
        return OutputFileName(path);
    const std::string name = IncludedOutputName(relative.string());
    return name.empty() ? OutputFileName(path) : name;
}

std::string ClashFreeName(std::string_view name, int number) {
    std::string stem(name.substr(0, name.size() - kExtension.size()));
    return stem.append("~").append(std::to_string(number)).append(kExtension);
}

}  // namespace ondavel
