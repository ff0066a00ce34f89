#include "platform/win32/win32_shell.h"

#include <shlobj.h>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_folder_picker.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_shell_item.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

constexpr wchar_t kWorkingFolder[] = L"C:\\";

// The absolute form of `path`, resolved as the file calls resolve it; empty when it has none.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

// The shell parses no \\?\ paths: the same folder in its usual form.
std::wstring WithoutVerbatimPrefix(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\" + path.substr(7);
    if (path.starts_with(L"\\\\?\\")) return path.substr(4);
    return path;
}

bool EndsWithExe(const std::wstring& name) {
    return name.size() > 4 && lstrcmpiW(name.c_str() + name.size() - 4, L".exe") == 0;
}

std::wstring FolderFrom(UINT(WINAPI* query)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = query(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// The full path of `program`: as given when it names a folder, else one of Windows' own programs.
std::wstring ProgramPath(const std::string& program) {
    std::wstring name = Wide(program);
    if (name.find_first_of(L"\\/:") != std::wstring::npos) return name;
    if (!EndsWithExe(name)) name += L".exe";
    for (const std::wstring& folder :
         {FolderFrom(GetSystemWindowsDirectoryW), FolderFrom(GetSystemDirectoryW)}) {
        if (folder.empty()) continue;
        const std::wstring candidate = folder + L"\\" + name;
        const DWORD attributes = GetFileAttributesW(candidate.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return candidate;
        }
    }
    throw Failure(SystemMessage(ERROR_FILE_NOT_FOUND));
}

}  // namespace

void Win32Shell::OpenFolder(const std::string& folder) {
    // The very folder the run's check tested and its paths were made in.
    const std::string used = folder + '\\';
    if (folder.empty() || !Win32FileSystem().FolderExists(used)) return;
    const ItemList item =
        ItemOfFolder(WithoutVerbatimPrefix(FullPath(Wide(SingleSeparators(used)))));
    if (!item) return;
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_IDLIST | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner_;
    request.lpIDList = item.get();
    request.lpDirectory = kWorkingFolder;
    request.nShow = SW_SHOW;
    // The outcome is deliberately not read.
    launchers_.shellExecuteEx(&request);
}

void Win32Shell::OpenWebPage(const std::string& address) {
    // The shell's default action for the quoted address; its outcome is deliberately not read.
    launchers_.shellExecute(owner_, nullptr, Wide(Quoted(address)).c_str(), nullptr, kWorkingFolder,
                            SW_SHOW);
}

void Win32Shell::RunShellCommand(const ShellCommand& command) {
    const std::wstring program = ProgramPath(command.program);
    // CreateProcessW may write into the command line.
    std::wstring line = L"\"" + program + L"\" " + Wide(Quoted(command.argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(command.windowStyle);
    PROCESS_INFORMATION started{};
    if (!launchers_.createProcess(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &started)) {
        throw LastErrorFailure();
    }
    // Not waited for: the handles are all that is kept, and they are let go at once.
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
}

std::string Win32Shell::SpecialFolderPath(int folder) {
    PIDLIST_ABSOLUTE location = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, folder, &location) != S_OK) return {};
    const ItemList owned(location);
    return PathOfItem(owned.get());
}

std::string Win32Shell::PickFolder(const std::string& title, const std::string& initialFolder) {
    // Owned by the dialog that asks, if one does (the Options dialog), which the picker then
    // disables and enables again, not the window beneath it.
    return win32::PickFolder(GetLastActivePopup(owner_), title, initialFolder);
}

}  // namespace quire::win32
