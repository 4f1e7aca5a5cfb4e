// The C toolchain the Windows headers were written for: the MinGW-w64 cross compiler of the
// target, its nm, and the import libraries it links with.
#pragma once

#include <filesystem>
#include <string>

#include "proof/library_exports.h"
#include "session/target.h"

namespace ondavel {

struct CrossToolchain {
    const char* compiler;  // looked for on PATH
    const char* packages;  // the Debian packages that hold it, its nm and its libraries
};

// i686-w64-mingw32-gcc for 32-bit Windows, x86_64-w64-mingw32-gcc for 64-bit Windows.
const CrossToolchain& CrossToolchainFor(Target target);

// The nm of the compiler's toolchain: its name with "gcc" and what follows it replaced by "nm"
// ("/usr/bin/i686-w64-mingw32-gcc" gives "/usr/bin/i686-w64-mingw32-nm").
std::string NmBeside(const std::string& compiler);

// The folder in which the compiler finds its import libraries (that of libkernel32.a); empty
// when it finds none.
std::string LibraryFolder(const std::string& compiler);

// What the libraries (*.a) of libraryFolder, made for target, export, read by nm in `jobs`
// runs at once; the runs keep their output in workFolder.
LibraryExports CollectExports(const std::string& nm, const std::string& libraryFolder,
                              Target target, const std::filesystem::path& workFolder,
                              unsigned jobs);

}  // namespace ondavel
