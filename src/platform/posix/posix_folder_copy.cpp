// PosixFileSystem's copy of a folder (the user's own sample folder) and its test of whether the
// user may make folders somewhere. The copy is made under a private name beside its place and
// given its name in one rename, so that a copy cut short never stands under the name.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "engine/failure.h"
#include "platform/posix/posix_file_system.h"

namespace quire {
namespace {

// Deeper than any sample folder; a loop of bind mounts ends here.
constexpr int kDeepest = 64;

[[noreturn]] void Fail(int error) { throw Failure(std::strerror(error)); }

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

Fd OpenFolderAt(int parent, const char* name) {
    return Fd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The entries of an open folder but "." and "..", each handed to `each(name)`.
template <class Each>
void ForEachEntry(int folder, Each&& each) {
    Fd listing(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing.Get() < 0) Fail(errno);
    DIR* const directory = ::fdopendir(listing.Get());
    if (directory == nullptr) Fail(errno);
    static_cast<void>(listing.Release());
    try {
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(directory);
            if (entry == nullptr) {
                if (errno != 0) Fail(errno);
                break;
            }
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") each(std::string(name));
        }
    } catch (...) {
        ::closedir(directory);
        throw;
    }
    ::closedir(directory);
}

void CopyFile(int fromFolder, const std::string& name, int toFolder) {
    // Never waits on a pipe or a device that took the file's place meanwhile.
    Fd from(::openat(fromFolder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (from.Get() < 0) Fail(errno);
    struct stat info {};
    if (::fstat(from.Get(), &info) != 0) Fail(errno);
    if (!S_ISREG(info.st_mode)) return;
    Fd to(::openat(toFolder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (to.Get() < 0) Fail(errno);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Fail(errno);
        if (got == 0) break;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put =
                ::write(to.Get(), buffer + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) Fail(errno);
            written += put;
        }
    }
    if (::close(to.Release()) != 0) Fail(errno);
}

void CopyEntries(int fromFolder, int toFolder, int depth) {
    if (depth > kDeepest) Fail(ELOOP);
    ForEachEntry(fromFolder, [&](const std::string& name) {
        struct stat info {};
        if (::fstatat(fromFolder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) Fail(errno);
        if (S_ISREG(info.st_mode)) {
            CopyFile(fromFolder, name, toFolder);
        } else if (S_ISDIR(info.st_mode)) {
            if (::mkdirat(toFolder, name.c_str(), 0777) != 0) Fail(errno);
            const Fd from = OpenFolderAt(fromFolder, name.c_str());
            const Fd to = OpenFolderAt(toFolder, name.c_str());
            if (from.Get() < 0 || to.Get() < 0) Fail(errno);
            CopyEntries(from.Get(), to.Get(), depth + 1);
        }
    });
}

// Removes what a copy cut short left under its private name; links are removed, not followed.
void RemoveTree(int parent, const std::string& name, int depth) {
    if (depth <= kDeepest) {
        const Fd folder = OpenFolderAt(parent, name.c_str());
        if (folder.Get() >= 0) {
            try {
                ForEachEntry(folder.Get(), [&](const std::string& entry) {
                    if (::unlinkat(folder.Get(), entry.c_str(), 0) != 0) {
                        RemoveTree(folder.Get(), entry, depth + 1);
                    }
                });
            } catch (const Failure&) {
                // What cannot be listed stays; the removal below then fails as well.
            }
        }
    }
    ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

// The folder at `path`, made with its missing parents: those only for the user (as the XDG base
// directories are to be made), the last one as the umask allows.
Fd MakeParents(const std::string& path) {
    Fd folder(::open(path.front() == '/' ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::size_t start = 0;
    while (folder.Get() >= 0 && start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) {
            const std::string component = path.substr(start, end - start);
            if (::mkdirat(folder.Get(), component.c_str(), 0700) != 0 && errno != EEXIST) {
                Fail(errno);
            }
            folder =
                Fd(::openat(folder.Get(), component.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        }
        start = end + 1;
    }
    if (folder.Get() < 0) Fail(errno);
    return folder;
}

}  // namespace

bool PosixFileSystem::CanCreateIn(const std::string& path) const {
    return FolderExists(path) && path.find('\0') == std::string::npos &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

void PosixFileSystem::CopyFolder(const std::string& original, const std::string& copy) {
    if (copy.empty() || original.find('\0') != std::string::npos ||
        copy.find('\0') != std::string::npos) {
        Fail(EINVAL);
    }
    std::string entry = copy;
    while (entry.size() > 1 && entry.back() == '/') entry.pop_back();
    const std::size_t slash = entry.rfind('/');
    const std::string name = slash == std::string::npos ? entry : entry.substr(slash + 1);
    if (name.empty() || name == "/" || name == "." || name == "..") Fail(EINVAL);
    const Fd parent = MakeParents(slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : entry.substr(0, slash));

    std::string part;
    for (int attempt = 0;; ++attempt) {
        part = "." + name + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        if (::mkdirat(parent.Get(), part.c_str(), 0777) == 0) break;
        if (errno != EEXIST || attempt == 100) Fail(errno);
    }
    try {
        const Fd to = OpenFolderAt(parent.Get(), part.c_str());
        if (to.Get() < 0) Fail(errno);
        const Fd from = OpenFolderAt(AT_FDCWD, original.c_str());
        if (from.Get() >= 0) {
            CopyEntries(from.Get(), to.Get(), 0);
        } else if (errno != ENOENT) {
            Fail(errno);
        }
        if (::renameat2(parent.Get(), part.c_str(), parent.Get(), name.c_str(), RENAME_NOREPLACE) !=
            0) {
            const int error = errno;
            struct stat info {};
            const bool madeMeanwhile =
                error == EEXIST &&
                ::fstatat(parent.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(info.st_mode);
            if (!madeMeanwhile) Fail(error);
            RemoveTree(parent.Get(), part, 0);
        }
    } catch (...) {
        RemoveTree(parent.Get(), part, 0);
        throw;
    }
}

}  // namespace quire
