// How a translated header's output file is named.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

// The file-name part of inputPath with everything after its first '.' replaced by "sdk":
// winuser.h gives winuser.sdk, a name without '.' gets ".sdk".
std::string OutputFileName(std::string_view inputPath);

}  // namespace ondavel
