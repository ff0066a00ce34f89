// quirebatch-path.exe --add | --remove FOLDER: the installer's helper for the user's Path, which
// NSIS's own strings (1,024 characters in this build) cannot hold whole. Exit status: 0 changed,
// 1 nothing to change (the entry is there already, or was not there), 2 refused, nothing written.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_command_line.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_user_path.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quire::win32;
    // Read whole, so that a drive's root ("C:\\") arrives as typed.
    const std::vector<std::wstring> words = CommandLineWords(GetCommandLineW());
    if (words.size() != 2 || (words[0] != L"--add" && words[0] != L"--remove")) return 2;
    HKEY environment = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Environment", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &environment,
                        nullptr) != ERROR_SUCCESS) {
        return 2;
    }
    const RegistryKey held(environment);
    try {
        if (ChangeUserPath(environment, words[0] == L"--add", words[1]) == PathChange::AlreadySo) {
            return 1;
        }
    } catch (const std::exception&) {
        return 2;
    }
    // Explorer and the programs it starts read the Path afresh.
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"Environment"), SMTO_ABORTIFHUNG, 5000, nullptr);
    return 0;
}
