#include "platform/win32/win32_shell.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/folder_picker.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace quire::win32 {

void Win32Shell::OpenInShell(const std::string& target) {
    // The shell's default action for the quoted target; its outcome is deliberately not read.
    launchers_.shellExecute(owner_, nullptr, Wide(Quoted(target)).c_str(), nullptr, L"C:\\",
                            SW_SHOW);
}

void Win32Shell::RunShellCommand(const ShellCommand& command) {
    std::wstring line = Wide(CommandLine(command));  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(command.windowStyle);
    PROCESS_INFORMATION started{};
    if (!launchers_.createProcess(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &started)) {
        throw LastErrorFailure();
    }
    // Not waited for: the handles are all that is kept, and they are let go at once.
    if (started.hThread != nullptr) CloseHandle(started.hThread);
    if (started.hProcess != nullptr) CloseHandle(started.hProcess);
}

std::string Win32Shell::SpecialFolderPath(int folder) {
    PIDLIST_ABSOLUTE location = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, folder, &location) != S_OK) return {};
    wchar_t path[MAX_PATH] = {};
    SHGetPathFromIDListW(location, path);
    CoTaskMemFree(location);
    return Utf8(path);
}

std::string Win32Shell::PickFolder(const std::string& title, const std::string& initialFolder) {
    return win32::PickFolder(owner_, title, initialFolder);
}

}  // namespace quire::win32
