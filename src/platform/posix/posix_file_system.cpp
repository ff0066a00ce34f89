#include "platform/posix/posix_file_system.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "engine/failure.h"

namespace quire {

bool PosixFileSystem::FolderExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void PosixFileSystem::CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) throw Failure(std::strerror(errno));
}

FileSystem::Creation PosixFileSystem::CreateFolderUnlessExists(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return Creation::Created;
    const int error = errno;
    if (FolderExists(path)) return Creation::Existed;
    throw Failure(std::strerror(error));
}

bool PosixFileSystem::PathExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::PlainFileExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace quire
