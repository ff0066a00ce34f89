#include "platform/posix/posix_file_system.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "engine/failure.h"

namespace quire {
namespace {

// A path with a NUL inside would reach the system cut short and name another entry.
bool Representable(const std::string& path) { return path.find('\0') == std::string::npos; }

bool Stat(const std::string& path, struct stat& info) {
    return Representable(path) && ::stat(path.c_str(), &info) == 0;
}

int MakeDirectory(const std::string& path) {
    if (!Representable(path)) return EINVAL;
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
}

}  // namespace

bool PosixFileSystem::FolderExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info) && S_ISDIR(info.st_mode);
}

void PosixFileSystem::CreateFolder(const std::string& path) {
    if (const int error = MakeDirectory(path); error != 0) throw Failure(std::strerror(error));
}

FileSystem::Creation PosixFileSystem::CreateFolderUnlessExists(const std::string& path) {
    const int error = MakeDirectory(path);
    if (error == 0) return Creation::Created;
    if (FolderExists(path)) return Creation::Existed;
    throw Failure(std::strerror(error));
}

bool PosixFileSystem::PathExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info);
}

bool PosixFileSystem::PlainFileExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info) && S_ISREG(info.st_mode);
}

}  // namespace quire
