#include "platform/win32/win32_ordinary_file.h"

#include <windows.h>

#include "engine/failure.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_names.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_system_path.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

constexpr char kFolder[] = "Not an ordinary file but a folder";
constexpr char kDevice[] = "Not an ordinary file but a device";

bool NothingThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// A device is refused before the system sees its name: opening one acts on the device.
void RefuseDevices(const std::string& path) {
    if (path.find('\0') != std::string::npos) throw Failure(SystemMessage(ERROR_INVALID_NAME));
    const std::string_view name = std::string_view(path).substr(ParentOf(path).size());
    if (NamesDevice(path) || IsDeviceName(name)) throw Failure(kDevice);
}

void RefuseWhatIsNoDiskFile(HANDLE file) {
    switch (GetFileType(file)) {
        case FILE_TYPE_DISK: break;
        case FILE_TYPE_PIPE: throw Failure("Not an ordinary file but a pipe");
        case FILE_TYPE_CHAR: throw Failure(kDevice);
        default: throw Failure("Not an ordinary file");
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) throw LastErrorFailure();
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Failure(kFolder);
}

}  // namespace

std::string ReadOrdinaryFile(const std::string& path, std::size_t limit) {
    RefuseDevices(path);
    const std::wstring widePath = SystemPath(path);
    // Only to tell what is there without opening it: a folder, or a link whose target is gone.
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    const bool seen = attributes != INVALID_FILE_ATTRIBUTES;
    if (seen && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Failure(kFolder);

    const FileHandle file(CreateFileW(widePath.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        const bool link = seen && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (NothingThere(error) && link) throw Failure("The link leads to nothing");
        if (NothingThere(error)) throw Failure("File not found");
        throw Failure(SystemMessage(error));
    }
    RefuseWhatIsNoDiskFile(file.get());

    const std::string tooLarge = "The file is larger than " + std::to_string(limit) + " bytes";
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) throw LastErrorFailure();
    if (static_cast<unsigned long long>(size.QuadPart) > limit) throw Failure(tooLarge);

    // Read up to one byte past the limit: the file may have grown since its size was read.
    std::string content;
    char chunk[64 * 1024];
    while (content.size() <= limit) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) throw LastErrorFailure();
        if (got == 0) break;
        content.append(chunk, got);
    }
    if (content.size() > limit) throw Failure(tooLarge);
    return content;
}

}  // namespace quire::win32
