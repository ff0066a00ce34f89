// quirebatch-path.exe --add | --remove | --remove-made FOLDER: the installer's helper for the
// user's Path, which NSIS's own strings (1,024 characters in this build) cannot hold whole;
// --remove-made takes away the entry of an --add that made the value, and the value with it when
// nothing else is left. Exit status: 0 changed, 1 nothing to change (the entry is there already,
// or was not there), 2 refused, nothing written, 3 added by making the value (there was none).
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
    if (words.size() != 2) return 2;
    PathEdit edit = PathEdit::Add;
    if (words[0] == L"--remove") {
        edit = PathEdit::Remove;
    } else if (words[0] == L"--remove-made") {
        edit = PathEdit::RemoveMade;
    } else if (words[0] != L"--add") {
        return 2;
    }
    HKEY environment = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Environment", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &environment,
                        nullptr) != ERROR_SUCCESS) {
        return 2;
    }
    const RegistryKey held(environment);
    PathChange change = PathChange::AlreadySo;
    try {
        change = ChangeUserPath(environment, edit, words[1]);
    } catch (const std::exception&) {
        return 2;
    }
    if (change == PathChange::AlreadySo) return 1;
    // Explorer and the programs it starts read the Path afresh.
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"Environment"), SMTO_ABORTIFHUNG, 5000, nullptr);
    return change == PathChange::Made ? 3 : 0;
}
