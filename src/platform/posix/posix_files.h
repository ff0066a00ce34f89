// The POSIX file chores that more than one part of the program needs: owning a descriptor,
// saying what an entry is when it is no ordinary file, making the folders above a file, and
// replacing a file whole.
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "engine/failure.h"

namespace quire {

// An open descriptor, closed with its holder; `Error` tells why there is none.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd, int error = 0) : fd_(fd), error_(error) {}
    Descriptor(Descriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        error_ = other.error_;
        return *this;
    }
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Fd() const { return fd_; }
    int Error() const { return error_; }
    // Hands the descriptor to another owner, such as a directory stream.
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
    int error_ = 0;
};

// The descriptor a call just gave, or its error: `Opened(::open(...))`.
Descriptor Opened(int fd);
// `openat` with O_CLOEXEC; the error in the result when it fails.
Descriptor OpenAt(int directory, const char* path, int flags);

// The folder at `path` opened with `flags`, reached one name at a time, so that no single call
// gets a path longer than the system takes whole; with `make`, a missing name is made with that
// mode (less the umask) on the way.
Descriptor OpenFolderByNames(const std::string& path, int flags, mode_t make = 0);

// Hands each entry of the open folder `folder` but "." and ".." to `each(entry, folderFd)`.
// Throws Failure when the folder cannot be listed.
template <class Each>
void ForEachEntry(Descriptor folder, Each&& each) {
    if (folder.Fd() < 0) throw Failure(std::strerror(folder.Error()));
    const int fd = folder.Fd();
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::fdopendir(fd), ::closedir);
    if (!directory) throw Failure(std::strerror(errno));
    static_cast<void>(folder.Release());
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(directory.get());
        if (entry == nullptr) {
            if (errno != 0) throw Failure(std::strerror(errno));
            return;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") each(*entry, fd);
    }
}

// Why an entry of type `mode` is no ordinary file, in the words the program shows.
std::string NotOrdinaryFile(mode_t mode);

// Makes `folder` and the folders above it that are missing, with `mode` (less the umask). Throws
// Failure.
void MakeFolders(const std::string& folder, mode_t mode);

// Writes `text` to a new file beside `destination`, with `mode`, on the disk, and renames it over
// `destination`: a reader meets the old file or the new one, never a part. Throws Failure.
void ReplaceFile(const std::string& destination, std::string_view text, mode_t mode);

}  // namespace quire
