#include "core/file_io.h"

#include <glob.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>

#include "core/host.h"
#include "core/messages.h"

namespace ondavel {

namespace {

// Texts are indexed with 32-bit offsets; a little room is kept below that limit.
constexpr uint64_t kMaxLoadSize = std::numeric_limits<uint32_t>::max() - 64;
constexpr size_t kReadChunk = 1 << 14;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

std::string CurrentDirectory() {
    std::error_code error;
    std::string directory = std::filesystem::current_path(error).string();
    return error ? std::string(".") : directory;
}

bool Exists(const std::string& path) {
    if (path.find('\0') != std::string::npos) {
        errno = ENOENT;
        return false;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Only regular files are read: a directory or a device must neither fail oddly nor block.
bool IsReadableKind(const std::string& path, uint64_t& size) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if (static_cast<uint64_t>(info.st_size) > kMaxLoadSize) {
        errno = EFBIG;
        return false;
    }
    size = static_cast<uint64_t>(info.st_size);
    return true;
}

// Reads to the end of file into text, straight into its free capacity: a text reserved one
// byte beyond the file's size takes the whole file in one read.
bool ReadAll(std::FILE* file, std::string& text) {
    for (;;) {
        const size_t before = text.size();
        const size_t room = std::max(text.capacity() - before, kReadChunk);
        text.resize(before + room);
        const size_t got = std::fread(text.data() + before, 1, room, file);
        text.resize(before + got);
        if (text.size() > kMaxLoadSize) {
            errno = EFBIG;
            return false;
        }
        if (got < room) return std::ferror(file) == 0;
    }
}

// Appends bytes to text, each LF that no CR precedes as CR LF. crBefore tells whether the byte
// before bytes was a CR, and is left telling it of their last one.
void AppendExpanded(std::string& text, std::string_view bytes, bool& crBefore) {
    size_t from = 0;
    for (size_t lf = bytes.find('\n'); lf != std::string_view::npos;
         lf = bytes.find('\n', from)) {
        // The line and its LF go in together; a CR goes before the LF where none stands.
        const bool hasCr = lf > 0 ? bytes[lf - 1] == '\r' : crBefore;
        if (hasCr) {
            text.append(bytes.data() + from, lf + 1 - from);
        } else {
            text.append(bytes.data() + from, lf - from).append("\r\n", 2);
        }
        from = lf + 1;
    }
    text.append(bytes.substr(from));
    if (!bytes.empty()) crBefore = bytes.back() == '\r';
}

// Reads to the end of file into text, line ends expanded on the way: each byte is copied
// once, and no room is filled before it is read into.
bool ReadExpanded(std::FILE* file, std::string& text) {
    char chunk[kReadChunk];
    bool crBefore = false;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        AppendExpanded(text, {chunk, got}, crBefore);
        if (text.size() > kMaxLoadSize) {
            errno = EFBIG;
            return false;
        }
        if (got < sizeof chunk) return std::ferror(file) == 0;
    }
}

enum class LineEnds { AsTheyStand, Expanded };

bool ReadRegularFile(std::string_view name, std::string& text, LineEnds lineEnds) {
    const std::string path(name);
    uint64_t size = 0;
    if (!IsReadableKind(path, size)) return false;
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    try {
        text.clear();
        if (lineEnds == LineEnds::AsTheyStand) {
            text.reserve(static_cast<size_t>(size) + 1);
            return ReadAll(file.get(), text);
        }
        // A header's lines are some forty bytes long: a sixteenth more holds a CR for each.
        text.reserve(static_cast<size_t>(size + size / 16 + 16));
        return ReadExpanded(file.get(), text);
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
}

}  // namespace

bool ExpandUnixLineEnds(std::string& text) {
    if (text.find('\n') == std::string::npos) return true;
    std::string expanded;
    expanded.reserve(text.size() + text.size() / 16 + 16);
    bool crBefore = false;
    AppendExpanded(expanded, text, crBefore);
    if (expanded.size() > kMaxLoadSize) {
        errno = EFBIG;
        return false;
    }
    text.swap(expanded);
    return true;
}

std::string ResolvePath(Host& host, std::string_view name) {
    std::string path;
    if (name.find_first_of("/\\") == std::string_view::npos) {
        path = CurrentDirectory() + "/";
    }
    path.append(name);
    if (!Exists(path)) {
        ShowLastError(host, texts::kFileMissingCaption, path);
        return {};
    }
    return path;
}

bool LoadFile(Host& host, std::string_view name, std::string& text) {
    text.clear();
    const std::string path = ResolvePath(host, name);
    if (path.empty()) return false;
    if (!ReadRegularFile(path, text, LineEnds::Expanded)) {
        std::string().swap(text);
        ShowLastError(host, texts::kLoadFileCaption, path);
        return false;
    }
    return true;
}

bool FileExists(std::string_view pattern) {
    const std::string text(pattern);
    glob_t found{};
    // A backslash is part of a name here, not an escape.
    const int result = ::glob(text.c_str(), GLOB_NOESCAPE, nullptr, &found);
    const bool matched = result == 0 && found.gl_pathc > 0;
    ::globfree(&found);
    return matched;
}

std::string_view FileNamePart(std::string_view path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

bool ReadFileBytes(std::string_view name, std::string& bytes) {
    return ReadRegularFile(name, bytes, LineEnds::AsTheyStand);
}

}  // namespace ondavel
