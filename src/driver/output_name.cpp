#include "driver/output_name.h"

#include "core/file_io.h"

namespace ondavel {

std::string OutputFileName(std::string_view inputPath) {
    const std::string_view name = FileNamePart(inputPath);
    return std::string(name.substr(0, name.find('.'))).append(".sdk");
}

}  // namespace ondavel
