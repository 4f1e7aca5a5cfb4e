// The kits the program carries: the knowledge files, Test.txt and the sample include tree of
// kits/, compiled in byte for byte, so that init needs no file beside the program.
#pragma once

#include <span>
#include <string_view>

namespace ondavel {

struct BundledFile {
    std::string_view path;   // relative to kits/: "egales.txt", "sample/include/windows.h"
    std::string_view bytes;  // the file's exact bytes (Windows-1252, CR LF lines)
};

// Every file of kits/, in the order of their paths. Generated at build time from the folder.
std::span<const BundledFile> BundledKitFiles();

}  // namespace ondavel
