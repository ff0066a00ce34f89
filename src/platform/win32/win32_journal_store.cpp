#include "platform/win32/win32_journal_store.h"

#include <windows.h>

#include <atomic>
#include <optional>

#include "engine/failure.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_product_folder.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

constexpr wchar_t kJournalName[] = L"last-run.journal";

// A byte far beyond any journal's end, locked by the run that writes the journal: the lock keeps
// no reader from the journal's bytes, and tells an undo that the run still goes on.
bool LockRunMark(HANDLE file) {
    OVERLAPPED at{};
    at.Offset = 0xFFFFFFFFU;
    at.OffsetHigh = 0x3FFFFFFFU;
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

// The path the system gives the open `handle`, after every link and junction on the way.
std::wstring FinalPath(HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(
            handle, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

// Which file is open as `handle`: its volume and index. Wine answers no volume for an open file
// once it has been renamed, so a file that is renamed while open is known by what it was asked
// before.
struct FileId {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information)) return std::nullopt;
    return FileId{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                  information.nFileIndexLow};
}

// True when `path` names the file `open` now.
bool SameFile(const std::optional<FileId>& open, const std::wstring& path) {
    const FileHandle named(
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return open && named && IdOf(named.get()) == open;
}

// The journal is trusted only inside the user's own profile: its path, links resolved, lies in
// %LOCALAPPDATA%'s.
void CheckInProfile(HANDLE journal, const std::string& named) {
    const std::wstring profile = LocalApplicationDataFolder();
    const FileHandle folder(CreateFileW(profile.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
    std::wstring inside = folder ? FinalPath(folder.get()) : std::wstring();
    const std::wstring path = FinalPath(journal);
    if (!inside.empty() && inside.back() != L'\\') inside += L'\\';
    if (inside.empty() || path.size() <= inside.size() ||
        CompareStringOrdinal(path.data(), static_cast<int>(inside.size()), inside.data(),
                             static_cast<int>(inside.size()), TRUE) != CSTR_EQUAL) {
        throw Failure(named + "Not inside the user's local application data folder");
    }
}

[[noreturn]] void Fail(const std::wstring& path) {
    const DWORD error = GetLastError();
    throw Failure(Utf8(path) + ": " + SystemMessage(error));
}

class FileSink final : public JournalSink {
public:
    FileSink(FileHandle file, std::wstring temporary, std::wstring journal)
        : file_(std::move(file)),
          id_(IdOf(file_.get())),
          temporary_(std::move(temporary)),
          journal_(std::move(journal)) {}
    ~FileSink() override {
        file_ = FileHandle();
        if (!published_) DeleteFileW(temporary_.c_str());
    }
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
            if (!WriteFile(file_.get(), bytes.data(), size, &written, nullptr)) Fail(journal_);
            bytes.remove_prefix(written);
        }
    }

    // The open file is renamed into place, which its sharing allows; writes go on into it.
    void Publish() override {
        if (!MoveFileExW(temporary_.c_str(), journal_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            Fail(journal_);
        }
        published_ = true;
    }

    void Sync() override {
        if (!FlushFileBuffers(file_.get())) Fail(journal_);
        if (published_ && !SameFile(id_, journal_)) {
            throw Failure(Utf8(journal_) + ": another program replaced or removed it meanwhile");
        }
    }

private:
    FileHandle file_;
    std::optional<FileId> id_;
    std::wstring temporary_;
    std::wstring journal_;
    bool published_ = false;
};

class FileSource final : public JournalFile {
public:
    FileSource(FileHandle file, std::wstring journal)
        : file_(std::move(file)), journal_(std::move(journal)) {}

    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override {
        DWORD got = 0;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFU);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30));
        if (!ReadFile(file_.get(), buffer, wanted, &got, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF) return 0;
            throw LastErrorFailure();
        }
        return got;
    }

    bool StillPublished() override { return SameFile(IdOf(file_.get()), journal_); }

private:
    FileHandle file_;
    std::wstring journal_;
};

}  // namespace

Win32JournalStore::Win32JournalStore(std::string folder)
    : folder_(folder.empty() ? ProductDataFolder() : Wide(folder)) {}

std::unique_ptr<JournalSink> Win32JournalStore::Begin() {
    MakeFolderPath(folder_);
    static std::atomic<unsigned> made{0};
    const std::wstring temporary = folder_ + L"\\.last-run." +
                                   std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(++made) + L".tmp";
    // Read-attributes access: the file's identity is asked through this handle.
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail(temporary);
    // Held while the sink lives; a new file's lock is free.
    static_cast<void>(LockRunMark(file.get()));
    return std::make_unique<FileSink>(std::move(file), temporary, folder_ + L"\\" + kJournalName);
}

// What is there is looked at before it is opened, and again through the open handle: opening a
// device acts on it, and a pipe could keep the read waiting.
std::unique_ptr<JournalFile> Win32JournalStore::Open() {
    if (folder_.empty()) return nullptr;
    const std::wstring journal = folder_ + L"\\" + kJournalName;
    const DWORD attributes = GetFileAttributesW(journal.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return nullptr;
        throw Failure(Utf8(journal) + ": " + SystemMessage(error));
    }
    const std::string named = Utf8(journal) + ": ";
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        throw Failure(named + "Not an ordinary file but a link");
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw Failure(named + "Not an ordinary file but a folder");
    }
    FileHandle file(CreateFileW(
        journal.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) Fail(journal);
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &information) ||
        (information.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        throw Failure(named + "Not an ordinary file");
    }
    CheckInProfile(file.get(), named);
    if (!LockRunMark(file.get())) {
        throw JournalBusy(named + "In use by a run still in progress, or by another undo");
    }
    return std::make_unique<FileSource>(std::move(file), journal);
}

}  // namespace quire::win32
