#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <winternl.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_ordinary_file.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_system_path.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

// FILE_CS_FLAG_CASE_SENSITIVE_DIR, which mingw-w64's headers do not name.
constexpr ULONG kCaseSensitiveFolder = 0x1;

// A path with a NUL inside would reach the system cut short and name another entry.
bool Representable(const std::string& path) { return path.find('\0') == std::string::npos; }

// Why the path may not be created as it stands, or the empty text.
std::string CreationProblem(const std::string& path, VettedParent& parents) {
    if (!Representable(path)) return SystemMessage(ERROR_INVALID_NAME);
    return parents.Problem(path);
}

std::string CreationProblem(const std::string& path) {
    VettedParent once;
    return CreationProblem(path, once);
}

bool NothingThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The entry at exactly `path`, itself if it is a link or junction, open for its attributes;
// `share` says what others may do with it meanwhile.
FileHandle OpenEntry(const std::string& path, DWORD share) {
    if (!Representable(path)) throw Failure(SystemMessage(ERROR_INVALID_NAME));
    return FileHandle(
        CreateFileW(SystemPath(path).c_str(), FILE_READ_ATTRIBUTES, share, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

BY_HANDLE_FILE_INFORMATION Information(HANDLE entry) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(entry, &information)) throw LastErrorFailure();
    return information;
}

// A folder, not a link or junction to one.
bool IsFolderItself(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

// The folder at `path`, through any link or mount point it is, open for its attributes.
FileHandle OpenFolderThrough(const std::string& path) {
    return FileHandle(CreateFileW(SystemPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

FolderIdentity Identity(const BY_HANDLE_FILE_INFORMATION& information) {
    return {information.dwVolumeSerialNumber,
            (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// The entry's file index, as GetFileInformationByHandle gives it, without asking its volume.
std::uint64_t FileIndex(HANDLE entry) {
    IO_STATUS_BLOCK status{};
    FILE_INTERNAL_INFORMATION information{};
    if (const NTSTATUS failed = NtQueryInformationFile(entry, &status, &information,
                                                       sizeof information, FileInternalInformation);
        failed < 0) {
        throw Failure(SystemMessage(RtlNtStatusToDosError(failed)));
    }
    return static_cast<std::uint64_t>(information.IndexNumber.QuadPart);
}

// Removed when `entry` is open on the folder with `identity`; otherwise why not.
Removal Check(const FileHandle& entry, const FolderIdentity& identity) {
    using enum Removal;
    if (!entry) {
        const DWORD error = GetLastError();
        if (NothingThere(error)) return Gone;
        throw Failure(SystemMessage(error));
    }
    const BY_HANDLE_FILE_INFORMATION information = Information(entry.get());
    return IsFolderItself(information.dwFileAttributes) && Identity(information) == identity
               ? Removed
               : Changed;
}

}  // namespace

bool Win32FileSystem::FolderExists(const std::string& path) const {
    return FolderProblem(path).empty();
}

std::string Win32FileSystem::FolderProblem(const std::string& path) const {
    if (!Representable(path)) return SystemMessage(ERROR_INVALID_NAME);
    if (std::string problem = PathProblem(path, LastComponent::Reached); !problem.empty()) {
        return problem;
    }
    const DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return SystemMessage(GetLastError());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? std::string()
                                                        : SystemMessage(ERROR_DIRECTORY);
}

Creation Win32FileSystem::CreateFolderUnlessExists(const std::string& path) {
    if (std::string problem = CreationProblem(path, parents_); !problem.empty()) {
        throw Failure(problem);
    }
    if (CreateDirectoryW(SystemPath(path).c_str(), nullptr)) return Creation::Created;
    const DWORD error = GetLastError();
    if (FolderExists(path)) return Creation::Existed;
    throw Failure(SystemMessage(error));
}

Creation Win32FileSystem::PredictCreation(const std::string& path) const {
    if (std::string problem = CreationProblem(path); !problem.empty()) throw Failure(problem);
    if (FolderExists(path)) return Creation::Existed;
    if (PathExists(path)) throw Failure(SystemMessage(ERROR_ALREADY_EXISTS));
    const std::string_view parent = ParentOf(path);
    if (!parent.empty() && !FolderExists(std::string(parent))) {
        throw Failure(SystemMessage(ERROR_PATH_NOT_FOUND));
    }
    return Creation::Created;
}

Creation Win32FileSystem::PredictCreationInPlannedFolder(const std::string& path) const {
    if (std::string problem = CreationProblem(path); !problem.empty()) throw Failure(problem);
    return Creation::Created;
}

bool Win32FileSystem::FoldsCase(const std::string& path) const {
    if (!Representable(path)) return true;
    const FileHandle folder = OpenFolderThrough(path);
    FILE_CASE_SENSITIVE_INFO information{};
    if (!folder || !GetFileInformationByHandleEx(folder.get(), FileCaseSensitiveInfo, &information,
                                                 sizeof information)) {
        return true;
    }
    return (information.Flags & kCaseSensitiveFolder) == 0;
}

std::string Win32FileSystem::FoldedCase(std::string_view name) const {
    const std::wstring wide = Wide(name);
    if (wide.empty()) return {};
    std::wstring folded(wide.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.c_str(),
                                     static_cast<int>(wide.size()), folded.data(),
                                     static_cast<int>(folded.size()), nullptr, nullptr, 0);
    if (length <= 0) return CreationForecast::FoldedCase(name);
    folded.resize(static_cast<std::size_t>(length));
    return Utf8(folded);
}

// One listing of the folder, in the large fetches and without the short names that nothing here
// reads.
void Win32FileSystem::ForEachEntry(
    const std::string& path, const std::function<void(const WIN32_FIND_DATAW& entry)>& each) const {
    if (std::string problem = FolderProblem(path); !problem.empty()) throw Failure(problem);
    std::wstring pattern = SystemPath(path);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const SearchHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr,
                                               FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return;
        throw Failure(SystemMessage(error));
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") each(found);
    } while (FindNextFileW(search.get(), &found));
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) {
        throw Failure(SystemMessage(error));
    }
}

// A link or junction is left out: a walk through one could lead anywhere, or back into itself.
std::vector<std::string> Win32FileSystem::SubfolderNames(const std::string& path) const {
    std::vector<std::string> names;
    ForEachEntry(path, [&](const WIN32_FIND_DATAW& entry) {
        const DWORD attributes = entry.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
            names.push_back(Utf8(entry.cFileName));
        }
    });
    return names;
}

// A link or junction is a folder as FolderExists finds it, through to what it leads to: it is
// looked at on its own, there being few.
void Win32FileSystem::ListEntries(
    const std::string& path,
    const std::function<void(std::string_view name, bool folder)>& each) const {
    std::string folder = path;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    ForEachEntry(path, [&](const WIN32_FIND_DATAW& entry) {
        const std::string name = Utf8(entry.cFileName);
        const DWORD attributes = entry.dwFileAttributes;
        const bool isFolder = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
                                  ? FolderExists(folder + name)
                                  : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        each(name, isFolder);
    });
}

bool Win32FileSystem::PathExists(const std::string& path) const {
    if (!Representable(path)) return false;
    const std::wstring widePath = SystemPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data)) return true;
    // Some entries give no attributes of their own (Wine's pipes and devices); their folder's
    // listing still holds their time. A pattern would match other names than the one asked for.
    if (path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAW found{};
    return static_cast<bool>(SearchHandle(FindFirstFileW(widePath.c_str(), &found)));
}

bool Win32FileSystem::PlainFileExists(const std::string& path) const {
    // A search pattern would match other names than the one asked for.
    if (!Representable(path) || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAW found{};
    if (!SearchHandle(FindFirstFileW(SystemPath(path).c_str(), &found))) return false;
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & kNotPlain) == 0;
}

std::string Win32FileSystem::ReadSmallFile(const std::string& path, std::size_t limit) const {
    return ReadOrdinaryFile(path, limit);
}

FolderIdentity Win32FileSystem::IdentityOf(const std::string& path) const {
    const FileHandle entry =
        OpenEntry(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!entry) throw LastErrorFailure();
    const BY_HANDLE_FILE_INFORMATION information = Information(entry.get());
    if (!IsFolderItself(information.dwFileAttributes))
        throw Failure(SystemMessage(ERROR_DIRECTORY));
    return Identity(information);
}

FolderIdentity Win32FileSystem::IdentityOfCreated(const std::string& path) const {
    // A name without a folder before it ("Jobs", "C:Jobs") lies in a current folder: asked whole.
    const std::string parent(ParentOf(path));
    if (parent.empty()) return IdentityOf(path);
    const FileHandle entry =
        OpenEntry(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!entry) throw LastErrorFailure();
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(entry.get(), FileBasicInfo, &basic, sizeof basic)) {
        throw LastErrorFailure();
    }
    if (!IsFolderItself(basic.FileAttributes)) throw Failure(SystemMessage(ERROR_DIRECTORY));
    const std::uint64_t file = FileIndex(entry.get());

    for (const ParentVolume& known : parentVolumes_) {
        if (known.parent == parent) return {known.serial, file};
    }
    const FileHandle folder = OpenFolderThrough(parent);
    if (!folder) throw LastErrorFailure();
    const DWORD serial = Information(folder.get()).dwVolumeSerialNumber;
    parentVolumes_[nextParentVolume_] = {parent, serial};
    nextParentVolume_ = (nextParentVolume_ + 1) % parentVolumes_.size();
    return {serial, file};
}

// A path that names no root of its own (".", "Jobs", "C:Jobs", "\\Jobs") is read as the system
// reads it, from the current folder (of its drive).
std::string Win32FileSystem::AbsolutePath(const std::string& path) const {
    const bool full = path.starts_with("\\\\") || path.starts_with("//") ||
                      (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/'));
    if (full) return path;
    const std::wstring relative = Wide(path);
    std::wstring absolute(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(relative.c_str(), static_cast<DWORD>(absolute.size()),
                                              absolute.data(), nullptr);
        if (length == 0) throw LastErrorFailure();
        if (length < absolute.size()) {
            absolute.resize(length);
            return Utf8(absolute);
        }
        absolute.resize(length);
    }
}

// File ids of NTFS carry a sequence number, so that a folder made again gets another: the run's
// end is not needed to tell them apart.
Removal Win32FileSystem::RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                                           std::uint64_t) {
    const FileHandle entry =
        OpenEntry(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (const Removal check = Check(entry, identity); check != Removal::Removed) return check;
    if (RemoveDirectoryW(SystemPath(path).c_str())) return Removal::Removed;
    const DWORD error = GetLastError();
    if (error == ERROR_DIR_NOT_EMPTY) return Removal::NotEmpty;
    if (NothingThere(error)) return Removal::Gone;
    throw Failure(SystemMessage(error));
}

Removal Win32FileSystem::PredictRemoval(const std::string& path, const FolderIdentity& identity,
                                        std::uint64_t, std::size_t removedFirst) const {
    const FileHandle entry =
        OpenEntry(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (const Removal check = Check(entry, identity); check != Removal::Removed) return check;
    std::wstring pattern = SystemPath(path);
    pattern += L"\\*";
    WIN32_FIND_DATAW found{};
    const SearchHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) throw LastErrorFailure();
    std::size_t entries = 0;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") ++entries;
    } while (FindNextFileW(search.get(), &found));
    return entries > removedFirst ? Removal::NotEmpty : Removal::Removed;
}

}  // namespace quire::win32
