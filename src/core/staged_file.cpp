#include "core/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <string>

#include "core/host.h"
#include "core/messages.h"

namespace ondavel {

namespace {

// A run keeps a handful of files open at once (an output, liste.txt, BlocsdeTexte.txt, the two
// learning files). The signal handler reads only `used` and `temporary`, so both are plain
// storage that needs no allocation and no lock.
constexpr size_t kSlotCount = 8;
constexpr size_t kPathCapacity = 4096;
constexpr int kNameAttempts = 100;
// A file's stream buffer: the C library's own is a page, so that a batch's output went out in
// some seven thousand writes of 4 KiB; this size makes them an eighth as many.
constexpr size_t kBufferSize = size_t{1} << 15;

struct Slot {
    std::atomic<bool> used{false};
    std::FILE* file = nullptr;
    std::unique_ptr<char[]> buffer;  // made for the slot's first file, kept for the next ones
    std::array<char, kPathCapacity> temporary{};
    std::string target;
};

std::array<Slot, kSlotCount> slots;

Slot* FreeSlot() {
    for (Slot& slot : slots) {
        if (!slot.used.load()) return &slot;
    }
    return nullptr;
}

Slot* SlotOf(const std::FILE* file) {
    for (Slot& slot : slots) {
        if (slot.used.load() && slot.file == file) return &slot;
    }
    return nullptr;
}

// "dir/.name.part-PID-N": hidden, in the target's own folder so that the rename stays on one
// file system, and unique to this process.
std::string TemporaryName(std::string_view path, int attempt) {
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    std::string name(path.substr(0, nameStart));
    name.append(".").append(path.substr(nameStart)).append(".part-");
    return name.append(std::to_string(::getpid())).append("-").append(std::to_string(attempt));
}

// Claims slot for a new temporary beside path and creates it. The slot is marked used before
// the file exists, so that a signal arriving at any moment finds every temporary to remove.
std::FILE* CreateInSlot(Slot& slot, std::string_view path) {
    if (!slot.buffer) slot.buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = TemporaryName(path, attempt);
        if (temporary.size() >= kPathCapacity) {
            errno = ENAMETOOLONG;
            return nullptr;
        }
        std::memcpy(slot.temporary.data(), temporary.c_str(), temporary.size() + 1);
        slot.used.store(true);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (std::FILE* file = ::fdopen(fd, "wb")) {
                std::setvbuf(file, slot.buffer.get(), _IOFBF, kBufferSize);
                return file;
            }
            ::close(fd);
            ::unlink(temporary.c_str());
            slot.used.store(false);
            return nullptr;
        }
        slot.used.store(false);
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

void Release(Slot& slot) {
    slot.file = nullptr;
    slot.target.clear();
    slot.used.store(false);
}

// Flushes and closes file; 0 when every byte reached the file, else the error number.
int CloseWritten(std::FILE* file) {
    const bool flushed = std::fflush(file) == 0 && std::ferror(file) == 0;
    int error = flushed ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && error == 0) error = errno;
    return error;
}

// Claims a slot and creates a temporary beside path in it; nullptr with errno set on failure.
std::FILE* Stage(std::string_view path) {
    Slot* slot = FreeSlot();
    if (slot == nullptr || path.find('\0') != std::string_view::npos) {
        errno = slot == nullptr ? EMFILE : EINVAL;
        return nullptr;
    }
    std::FILE* file = CreateInSlot(*slot, path);
    if (file == nullptr) return nullptr;
    slot->target = path;
    slot->file = file;
    return file;
}

// Closes the slot's file and renames it to its real name, or removes it when anything failed,
// and frees the slot. 0, or the error number of the first failure.
int Commit(Slot& slot) {
    int error = CloseWritten(slot.file);
    if (error == 0 && std::rename(slot.temporary.data(), slot.target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) ::unlink(slot.temporary.data());
    Release(slot);
    return error;
}

extern "C" void RemoveTemporariesAndEnd(int signal) {
    for (Slot& slot : slots) {
        if (slot.used.load()) ::unlink(slot.temporary.data());
    }
    // The handler was installed for one delivery: the default action now ends the program.
    ::raise(signal);
}

}  // namespace

std::FILE* CreateStagedFile(Host& host, std::string_view path) {
    std::FILE* file = Stage(path);
    if (file == nullptr) ShowLastError(host, texts::kCreateFileCaption, path);
    return file;
}

bool CommitStagedFile(Host& host, std::FILE*& file) {
    Slot* slot = SlotOf(file);
    if (slot == nullptr) return file == nullptr;
    const std::string target = slot->target;
    errno = 0;
    const int error = Commit(*slot);
    file = nullptr;
    if (error == 0) return true;
    errno = error;
    ShowLastError(host, texts::kWriteFileCaption, target);
    return false;
}

bool ReplaceFileContent(std::string_view path, std::string_view bytes) {
    std::FILE* file = Stage(path);
    if (file == nullptr) return false;
    errno = 0;
    // A short write sets the stream's error flag, which the commit checks with its errno.
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    const int error = Commit(*SlotOf(file));
    errno = error;
    return error == 0;
}

void DiscardStagedFile(std::FILE*& file) {
    if (Slot* slot = SlotOf(file)) {
        std::fclose(file);
        ::unlink(slot->temporary.data());
        Release(*slot);
    }
    file = nullptr;
}

void RemoveStagedFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        ::sigaction(signal, &action, &previous);
        // A signal that the program was started to ignore (nohup, a background job) stays so.
        if (previous.sa_handler == SIG_IGN) ::sigaction(signal, &previous, nullptr);
    }
}

}  // namespace ondavel
