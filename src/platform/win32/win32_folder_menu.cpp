#include "platform/win32/win32_folder_menu.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system_error.h"

namespace quire::win32 {
namespace {

// A folder's own menu and the menu of a folder's background: %V is the folder in both.
constexpr const wchar_t* kMenus[] = {L"Software\\Classes\\Directory\\shell\\",
                                     L"Software\\Classes\\Directory\\Background\\shell\\"};

void WriteString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
    const RegistryKey held(handle);
    status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
}

}  // namespace

void RegisterFolderMenu(const std::wstring& program) {
    const std::wstring quoted = L"\"" + program + L"\"";
    for (const wchar_t* menu : kMenus) {
        const std::wstring key = std::wstring(menu) + kFolderMenuKey;
        WriteString(key, nullptr, kFolderMenuText);
        WriteString(key, L"Icon", quoted + L",0");
        WriteString(key + L"\\command", nullptr, quoted + L" \"%V\"");
    }
}

void UnregisterFolderMenu() {
    for (const wchar_t* menu : kMenus) {
        const std::wstring key = std::wstring(menu) + kFolderMenuKey;
        const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            throw Failure(SystemMessage(static_cast<DWORD>(status)));
        }
    }
}

}  // namespace quire::win32
