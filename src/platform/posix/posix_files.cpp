#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "engine/failure.h"

namespace quire {

Descriptor::~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
}

Descriptor Opened(int fd) { return fd >= 0 ? Descriptor(fd) : Descriptor(-1, errno); }

Descriptor OpenAt(int directory, const char* path, int flags) {
    return Opened(::openat(directory, path, flags | O_CLOEXEC));
}

std::string NotOrdinaryFile(mode_t mode) {
    if (S_ISDIR(mode)) return "Not an ordinary file but a folder";
    if (S_ISLNK(mode)) return "Not an ordinary file but a link";
    if (S_ISFIFO(mode)) return "Not an ordinary file but a named pipe";
    if (S_ISSOCK(mode)) return "Not an ordinary file but a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "Not an ordinary file but a device";
    return "Not an ordinary file";
}

Descriptor OpenFolderByNames(const std::string& path, int flags, mode_t make) {
    Descriptor folder = OpenAt(AT_FDCWD, path.starts_with('/') ? "/" : ".", flags);
    std::size_t start = 0;
    while (folder.Fd() >= 0 && start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) {
            const std::string name = path.substr(start, end - start);
            if (make != 0 && ::mkdirat(folder.Fd(), name.c_str(), make) != 0 && errno != EEXIST) {
                return Descriptor(-1, errno);
            }
            folder = OpenAt(folder.Fd(), name.c_str(), flags);
        }
        start = end + 1;
    }
    return folder;
}

void MakeFolders(const std::string& folder, mode_t mode) {
    const Descriptor made = OpenFolderByNames(folder, O_PATH | O_DIRECTORY, mode);
    if (made.Fd() < 0) throw Failure(folder + ": " + std::strerror(made.Error()));
}

void ReplaceFile(const std::string& destination, std::string_view text, mode_t mode) {
    std::string temporary = destination + ".XXXXXX";
    const Descriptor file = Opened(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Fd() < 0) throw Failure(std::strerror(file.Error()));
    int error = ::fchmod(file.Fd(), mode) == 0 ? 0 : errno;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t wrote = ::write(file.Fd(), text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) error = errno;
        if (wrote > 0) done += static_cast<std::size_t>(wrote);
    }
    if (error == 0 && ::fsync(file.Fd()) != 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), destination.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw Failure(std::strerror(error));
    }
}

}  // namespace quire
