#include "driver/output_name.h"

#include <algorithm>

#include "core/file_io.h"

namespace ondavel {

namespace {

// Leaves room under the file system's 255-byte name limit for ".sdk" and for the temporary
// name under which the file is written.
constexpr size_t kStemLimit = 200;

char SafeNameByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F ? '_' : c;
}

}  // namespace

std::string OutputFileName(std::string_view inputPath) {
    const std::string_view name = FileNamePart(inputPath);
    std::string stem(name.substr(0, std::min(name.find('.'), kStemLimit)));
    std::transform(stem.begin(), stem.end(), stem.begin(), SafeNameByte);
    return stem.append(".sdk");
}

}  // namespace ondavel
