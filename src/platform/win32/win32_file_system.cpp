#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace quire::win32 {

bool Win32FileSystem::FolderExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32FileSystem::CreateFolder(const std::string& path) {
    if (!CreateDirectoryW(Wide(path).c_str(), nullptr)) throw LastErrorFailure();
}

FileSystem::Creation Win32FileSystem::CreateFolderUnlessExists(const std::string& path) {
    const std::wstring wide = Wide(path);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return Creation::Created;
    const DWORD error = GetLastError();
    if (FolderExists(path)) return Creation::Existed;
    throw Failure(SystemMessage(error));
}

bool Win32FileSystem::PathExists(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data) != 0;
}

bool Win32FileSystem::PlainFileExists(const std::string& path) const {
    // A search pattern would match other names than the one asked for.
    if (path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & kNotPlain) == 0;
}

}  // namespace quire::win32
