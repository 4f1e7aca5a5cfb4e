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

}  // namespace

bool ExpandUnixLineEnds(std::string& text) {
    size_t loneFeeds = 0;
    for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1)) {
        if (lf == 0 || text[lf - 1] != '\r') ++loneFeeds;
    }
    if (loneFeeds == 0) return true;
    if (text.size() + loneFeeds > kMaxLoadSize) {
        errno = EFBIG;
        return false;
    }
    // Each piece up to a line feed is copied once into the expanded text, with the CR its
    // line feed lacks.
    std::string expanded(text.size() + loneFeeds, '\0');
    char* out = expanded.data();
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* from = begin;
    while (const void* found = std::memchr(from, '\n', static_cast<size_t>(end - from))) {
        const char* const lf = static_cast<const char*>(found);
        out = std::copy(from, lf, out);
        if (lf == begin || lf[-1] != '\r') *out++ = '\r';
        *out++ = '\n';
        from = lf + 1;
    }
    std::copy(from, end, out);
    text.swap(expanded);
    return true;
}

namespace {

bool ReadFileText(const std::string& path, std::string& text) {
    return ReadFileBytes(path, text) && ExpandUnixLineEnds(text);
}

}  // namespace

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
    if (!ReadFileText(path, text)) {
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
    const std::string path(name);
    uint64_t size = 0;
    if (!IsReadableKind(path, size)) return false;
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    try {
        bytes.clear();
        bytes.reserve(static_cast<size_t>(size) + 1);
        return ReadAll(file.get(), bytes);
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
}

}  // namespace ondavel
