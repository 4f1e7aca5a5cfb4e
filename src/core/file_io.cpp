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
#include "core/line_ends.h"
#include "core/line_index.h"
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

// Opens the regular file at path for reading, its size in size; null on failure (errno).
FilePointer OpenRegularFile(const std::string& path, uint64_t& size) {
    if (!IsReadableKind(path, size)) return nullptr;
    return FilePointer(std::fopen(path.c_str(), "rb"));
}

// Reads a file piece by piece: Next gives the next piece, empty at the end of the file, on a
// read error, or once more than kMaxLoadSize bytes came; Complete tells whether the end was
// reached, and errno why not.
class PieceReader {
  public:
    explicit PieceReader(std::FILE* file) : file_(file) {}

    std::string_view Next() {
        if (tooLarge_) return {};
        const size_t got = std::fread(piece_, 1, sizeof piece_, file_);
        total_ += got;
        tooLarge_ = total_ > kMaxLoadSize;
        return tooLarge_ ? std::string_view() : std::string_view(piece_, got);
    }

    bool Complete() const {
        if (tooLarge_) errno = EFBIG;
        return !tooLarge_ && std::ferror(file_) == 0;
    }

  private:
    std::FILE* file_;
    char piece_[kReadChunk];
    uint64_t total_ = 0;
    bool tooLarge_ = false;
};

// Calls start, then reads file to its end, handing take each piece as it comes. False on a read
// error, or when more than kMaxLoadSize bytes came (errno EFBIG) or memory failed (errno ENOMEM).
template <typename Start, typename Take>
bool ReadPieces(std::FILE* file, Start start, Take take) {
    PieceReader reader(file);
    try {
        start();
        for (std::string_view piece = reader.Next(); !piece.empty(); piece = reader.Next()) {
            take(piece);
        }
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
    return reader.Complete();
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
    uint64_t size = 0;
    if (const FilePointer file = OpenRegularFile(path, size)) {
        Expansion expansion;
        const auto reserve = [&] { ReserveExpanded(text, static_cast<size_t>(size)); };
        const auto append = [&](std::string_view piece) {
            AppendExpanded(text, piece, expansion, [](size_t, size_t) {});
        };
        if (ReadPieces(file.get(), reserve, append)) {
            if (text.size() <= kMaxLoadSize) return true;
            errno = EFBIG;
        }
    }
    std::string().swap(text);
    ShowLastError(host, texts::kLoadFileCaption, path);
    return false;
}

LoadedIndex LoadIndexedFile(Host& host, std::string_view name, LineIndex& index) {
    index.Release();
    const std::string path = ResolvePath(host, name);
    if (path.empty()) return LoadedIndex::Failed;
    uint64_t size = 0;
    if (const FilePointer file = OpenRegularFile(path, size)) {
        PieceReader reader(file.get());
        errno = 0;
        const bool built =
            index.BuildExpanding(static_cast<size_t>(size), [&] { return reader.Next(); });
        if (reader.Complete()) {
            if (built) return LoadedIndex::Lines;
            if (errno == 0) return LoadedIndex::NoLines;
        }
        index.Release();
    }
    ShowLastError(host, texts::kLoadFileCaption, path);
    return LoadedIndex::Failed;
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
    bytes.clear();
    uint64_t size = 0;
    const FilePointer file = OpenRegularFile(std::string(name), size);
    if (!file) return false;
    return ReadPieces(
        file.get(), [&] { bytes.reserve(static_cast<size_t>(size)); },
        [&](std::string_view piece) { bytes.append(piece); });
}

}  // namespace ondavel
