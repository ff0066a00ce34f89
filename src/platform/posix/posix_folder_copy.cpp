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
#include "platform/posix/posix_files.h"

namespace quire {
namespace {

// Deeper than any sample folder; a loop of bind mounts ends here.
constexpr int kDeepest = 64;

[[noreturn]] void Fail(int error) { throw Failure(std::strerror(error)); }

Descriptor OpenFolderAt(int parent, const char* name) {
    return OpenAt(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
}

void CopyFile(int fromFolder, const std::string& name, int toFolder) {
    // Never waits on a pipe or a device that took the file's place meanwhile.
    const Descriptor from = OpenAt(fromFolder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (from.Fd() < 0) Fail(from.Error());
    struct stat info {};
    if (::fstat(from.Fd(), &info) != 0) Fail(errno);
    if (!S_ISREG(info.st_mode)) return;
    const int created =
        ::openat(toFolder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (created < 0) Fail(errno);
    Descriptor to(created);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from.Fd(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Fail(errno);
        if (got == 0) break;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put =
                ::write(to.Fd(), buffer + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) Fail(errno);
            written += put;
        }
    }
    if (::close(to.Release()) != 0) Fail(errno);  // a full disk may tell only now
}

void CopyEntries(int fromFolder, int toFolder, int depth) {
    if (depth > kDeepest) Fail(ELOOP);
    ForEachEntry(OpenAt(fromFolder, ".", O_RDONLY | O_DIRECTORY), [&](const dirent& entry, int) {
        const std::string name = entry.d_name;
        struct stat info {};
        if (::fstatat(fromFolder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) Fail(errno);
        if (S_ISREG(info.st_mode)) {
            CopyFile(fromFolder, name, toFolder);
        } else if (S_ISDIR(info.st_mode)) {
            if (::mkdirat(toFolder, name.c_str(), 0777) != 0) Fail(errno);
            const Descriptor from = OpenFolderAt(fromFolder, name.c_str());
            if (from.Fd() < 0) Fail(from.Error());
            const Descriptor to = OpenFolderAt(toFolder, name.c_str());
            if (to.Fd() < 0) Fail(to.Error());
            CopyEntries(from.Fd(), to.Fd(), depth + 1);
        }
    });
}

// Removes what a copy cut short left under its private name; links are removed, not followed.
void RemoveTree(int parent, const std::string& name, int depth) {
    if (depth <= kDeepest) {
        const Descriptor folder = OpenFolderAt(parent, name.c_str());
        if (folder.Fd() >= 0) {
            try {
                ForEachEntry(OpenAt(folder.Fd(), ".", O_RDONLY | O_DIRECTORY),
                             [&](const dirent& entry, int) {
                                 if (::unlinkat(folder.Fd(), entry.d_name, 0) != 0) {
                                     RemoveTree(folder.Fd(), entry.d_name, depth + 1);
                                 }
                             });
            } catch (const Failure&) {
                // What cannot be listed stays; the removal below then fails as well.
            }
        }
    }
    ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

// The folder at `path`, made with its missing parents, for the user alone (as the XDG base
// directories are to be made).
Descriptor MakeParents(const std::string& path) {
    Descriptor folder = OpenFolderByNames(path, O_RDONLY | O_DIRECTORY, 0700);
    if (folder.Fd() < 0) Fail(folder.Error());
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
    const Descriptor parent = MakeParents(slash == std::string::npos ? "."
                                          : slash == 0               ? "/"
                                                                     : entry.substr(0, slash));

    std::string part;
    for (int attempt = 0;; ++attempt) {
        part = "." + name + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        if (::mkdirat(parent.Fd(), part.c_str(), 0777) == 0) break;
        if (errno != EEXIST || attempt == 100) Fail(errno);
    }
    try {
        const Descriptor to = OpenFolderAt(parent.Fd(), part.c_str());
        if (to.Fd() < 0) Fail(to.Error());
        const Descriptor from = OpenFolderAt(AT_FDCWD, original.c_str());
        if (from.Fd() >= 0) {
            CopyEntries(from.Fd(), to.Fd(), 0);
        } else if (from.Error() != ENOENT) {
            Fail(from.Error());
        }
        if (::renameat2(parent.Fd(), part.c_str(), parent.Fd(), name.c_str(), RENAME_NOREPLACE) !=
            0) {
            const int error = errno;
            struct stat info {};
            const bool madeMeanwhile =
                error == EEXIST &&
                ::fstatat(parent.Fd(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(info.st_mode);
            if (!madeMeanwhile) Fail(error);
            RemoveTree(parent.Fd(), part, 0);
        }
    } catch (...) {
        RemoveTree(parent.Fd(), part, 0);
        throw;
    }
}

}  // namespace quire
