#include "workspace/header_lists.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ondavel {

namespace {

namespace fs = std::filesystem;

// The base headers of each kit, the ones the others include, in the order they need.
constexpr std::array kSdkBase = {
    "_mingw.h",  "winapifamily.h", "sdkddkver.h", "excpt.h",    "stdarg.h",   "basetsd.h",
    "guiddef.h", "minwindef.h",    "windef.h",    "winnt.h",    "winerror.h", "minwinbase.h",
    "winbase.h", "wingdi.h",       "winuser.h",   "winnls.h",   "wincon.h",   "winver.h",
    "winreg.h",  "winnetwk.h",     "winsvc.h",    "mmsystem.h", "windows.h"};
constexpr std::array kDirectXBase = {
    "ddraw.h",      "d3dtypes.h", "d3dcaps.h", "d3d.h",       "d3d9types.h", "d3d9caps.h", "d3d9.h",
    "dxgiformat.h", "dxgitype.h", "dxgi.h",    "d3dcommon.h", "dsound.h",    "dinput.h"};
constexpr std::array kDdkBase = {"ntdef.h", "wdm.h", "ntddk.h", "ntifs.h"};

// File names of the DirectX headers begin with one of these.
constexpr std::array kDirectXPrefixes = {
    "d3d",   "d2d",    "dxgi",    "dwrite", "dsound", "dsconf",  "dinput",   "ddraw",    "dxva",
    "dxerr", "dxfile", "dxdiag",  "dmusic", "dmdls",  "dmerror", "dmksctrl", "dmplugin", "dmusbuff",
    "dplay", "dpaddr", "dplobby", "dcomp",  "xinput", "xaudio",  "xapo",     "x3daudio"};
constexpr std::string_view kDarkGdkPrefix = "darkgdk";
// Sub-folders whose headers are not the SDK's: the driver kit's own, and two of C++ only.
constexpr std::array kNotSdkFolders = {"ddk", "gdiplus", "wrl"};

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool IsHeader(const fs::directory_entry& entry) {
    std::error_code ignored;
    return entry.is_regular_file(ignored) && entry.path().extension() == ".h";
}

template <size_t N>
bool HasPrefix(const std::string& name, const std::array<const char*, N>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const char* prefix) { return name.starts_with(prefix); });
}

// Base headers in their given order first, then the rest by lowercase name.
template <size_t N>
void SortHeaders(std::vector<std::string>& paths, const std::array<const char*, N>& base) {
    const auto rank = [&](const std::string& path) {
        const std::string name = Lowercase(fs::path(path).filename().string());
        const auto at = std::find(base.begin(), base.end(), name);
        return std::make_pair(static_cast<size_t>(at - base.begin()), name);
    };
    std::sort(paths.begin(), paths.end(),
              [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
}

// The headers directly in directory, as absolute paths.
std::vector<fs::path> HeadersIn(const fs::path& directory) {
    std::vector<fs::path> headers;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (IsHeader(entry)) headers.push_back(fs::absolute(entry.path()).lexically_normal());
    }
    return headers;
}

// The headers of the sub-folders that the SDK headers include (sys/types.h, psdk_inc/…), by
// their lowercase path under the tree.
std::vector<std::string> SdkSubFolderHeaders(const fs::path& includeDirectory) {
    std::vector<std::pair<std::string, std::string>> found;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(includeDirectory, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path relative = it->path().lexically_relative(includeDirectory);
        const std::string top = relative.begin()->string();
        if (it.depth() == 0 && it->is_directory(error) &&
            std::find(kNotSdkFolders.begin(), kNotSdkFolders.end(), top) != kNotSdkFolders.end()) {
            it.disable_recursion_pending();
        } else if (it.depth() > 0 && IsHeader(*it)) {
            found.emplace_back(Lowercase(relative.string()),
                               fs::absolute(it->path()).lexically_normal().string());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> headers;
    for (auto& [key, path] : found) headers.push_back(std::move(path));
    return headers;
}

}  // namespace

HeaderLists BuildHeaderLists(const fs::path& includeDirectory) {
    HeaderLists lists;
    for (const fs::path& header : HeadersIn(includeDirectory)) {
        const std::string name = Lowercase(header.filename().string());
        if (name.starts_with(kDarkGdkPrefix)) {
            lists.darkgdk.push_back(header.string());
        } else if (HasPrefix(name, kDirectXPrefixes)) {
            lists.directx.push_back(header.string());
        } else {
            lists.sdk.push_back(header.string());
        }
    }
    for (const fs::path& header : HeadersIn(includeDirectory / "ddk")) {
        lists.winddk.push_back(header.string());
    }
    SortHeaders(lists.sdk, kSdkBase);
    for (std::string& header : SdkSubFolderHeaders(includeDirectory)) {
        lists.sdk.push_back(std::move(header));
    }
    SortHeaders(lists.directx, kDirectXBase);
    SortHeaders(lists.winddk, kDdkBase);
    SortHeaders(lists.darkgdk, std::array<const char*, 0>{});
    return lists;
}

std::string HeaderListText(const std::vector<std::string>& paths) {
    if (paths.empty()) return "; no header of this kit in the include folder\r\n";
    std::string text;
    for (const std::string& path : paths) text.append(path).append("\r\n");
    return text;
}

}  // namespace ondavel
