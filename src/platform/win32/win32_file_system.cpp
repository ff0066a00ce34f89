#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace quire::win32 {
namespace {

// A path with a NUL inside would reach the system cut short and name another entry.
bool Representable(const std::string& path) { return path.find('\0') == std::string::npos; }

DWORD Attributes(const std::string& path) {
    return Representable(path) ? GetFileAttributesW(Wide(path).c_str()) : INVALID_FILE_ATTRIBUTES;
}

// Creates the folder; gives 0 or the system's error code.
DWORD MakeDirectory(const std::string& path) {
    if (!Representable(path)) return ERROR_INVALID_NAME;
    return CreateDirectoryW(Wide(path).c_str(), nullptr) ? 0 : GetLastError();
}

}  // namespace

bool Win32FileSystem::FolderExists(const std::string& path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32FileSystem::CreateFolder(const std::string& path) {
    if (const DWORD error = MakeDirectory(path); error != 0) throw Failure(SystemMessage(error));
}

FileSystem::Creation Win32FileSystem::CreateFolderUnlessExists(const std::string& path) {
    const DWORD error = MakeDirectory(path);
    if (error == 0) return Creation::Created;
    if (FolderExists(path)) return Creation::Existed;
    throw Failure(SystemMessage(error));
}

bool Win32FileSystem::PathExists(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return Representable(path) &&
           GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

bool Win32FileSystem::PlainFileExists(const std::string& path) const {
    // A search pattern would match other names than the one asked for.
    if (!Representable(path) || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & kNotPlain) == 0;
}

}  // namespace quire::win32
