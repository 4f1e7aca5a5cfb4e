// How a translated header's output file is named.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

// The file-name part of inputPath with everything after its first '.' replaced by "sdk":
// winuser.h gives winuser.sdk, a name without '.' gets ".sdk". The name is made safe to
// create inside the output folder whatever the header list holds: control characters
// (line ends, NUL) become '_' and the part before ".sdk" keeps at most 200 bytes.
std::string OutputFileName(std::string_view inputPath);

}  // namespace ondavel
