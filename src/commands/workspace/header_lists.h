// The header lists of the kits, made from an include tree: which headers each kit translates
// and in which order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ondavel {

struct HeaderLists {
    std::vector<std::string> sdk;      // the Windows API: the headers at the top of the tree,
                                       // then those of its sub-folders (sys/, psdk_inc/ …)
    std::vector<std::string> directx;  // Direct3D, DXGI, Direct2D, DirectWrite, DirectSound …
    std::vector<std::string> winddk;   // the driver headers of the ddk folder
    std::vector<std::string> darkgdk;  // DarkGDK headers, wherever the tree has them
};

// Sorts the ".h" files of includeDirectory into the kits' lists of absolute paths. Each list
// starts with the base headers of its kit that the tree has, in an order in which a header
// comes after the ones it needs, then the others in alphabetical order; the SDK list ends with
// the headers of the tree's sub-folders but the driver kit's and the C++ ones.
HeaderLists BuildHeaderLists(const std::filesystem::path& includeDirectory);

// A header list file: one path a line, each ended by CR LF. An empty list holds one ';'
// comment line, which the batch passes over.
std::string HeaderListText(const std::vector<std::string>& paths);

}  // namespace ondavel
