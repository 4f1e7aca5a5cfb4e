// The C toolchain the Windows headers were written for: the 32-bit MinGW-w64 cross compiler,
// its nm, and the import libraries it links with.
#pragma once

#include <filesystem>
#include <string>

#include "proof/library_exports.h"

namespace ondavel {

inline constexpr const char* kCrossCompiler = "i686-w64-mingw32-gcc";
// The Debian packages that hold them.
inline constexpr const char* kCrossPackages = "gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686";

// The nm of the compiler's toolchain: its name with "gcc" and what follows it replaced by "nm"
// ("/usr/bin/i686-w64-mingw32-gcc" gives "/usr/bin/i686-w64-mingw32-nm").
std::string NmBeside(const std::string& compiler);

// The folder in which the compiler finds its import libraries (that of libkernel32.a); empty
// when it finds none.
std::string LibraryFolder(const std::string& compiler);

// What the libraries (*.a) of libraryFolder export, read by nm in `jobs` runs at once; the
// runs keep their output in workFolder.
LibraryExports CollectExports(const std::string& nm, const std::string& libraryFolder,
                              const std::filesystem::path& workFolder, unsigned jobs);

}  // namespace ondavel
