// How a translated header's output file is named.
#pragma once

#include <string>
#include <string_view>

namespace ondavel {

// The file-name part of inputPath in lowercase with its last extension replaced by "sdk":
// winuser.h gives winuser.sdk, windows.foundation.h windows.foundation.sdk, a name without
// '.' gets ".sdk". Lowercase because an assembler on a case-sensitive file system finds an
// include only by its exact name, and the Include lines are written in lowercase too. The
// name is made safe to create inside the output folder whatever the header list holds:
// control characters (line ends, NUL) become '_' and the part before ".sdk" keeps at most
// 200 bytes.
std::string OutputFileName(std::string_view inputPath);

// The name of an #include's header as its Include line gives it, the same as the header's
// output name: "sys/Types.h" gives "sys/types.sdk". Empty when the name has no extension.
std::string IncludedOutputName(std::string_view headerName);

// The name of a listed header's output in the output folder: a header in a sub-folder of root
// (the folder of the list's first header) keeps that sub-folder (sys/types.h gives
// sys/types.sdk, the name its Include lines use), any other header its file name.
std::string OutputNameUnder(std::string_view root, std::string_view path);

// The name an output takes when an earlier header of the same batch holds name already:
// "windows.sdk", 2 gives "windows~2.sdk".
std::string ClashFreeName(std::string_view name, int number);

}  // namespace ondavel
