#include "platform/win32/registry_settings.h"

#include <windows.h>

#include "app/product.h"
#include "engine/failure.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace quire::win32 {

std::wstring SettingsKeyPath() {
    return L"Software\\" + Wide(product::kSettingsApplication) + L"\\" +
           Wide(product::kSettingsSection);
}

std::string RegistrySettings::ReadSetting(std::string_view key, std::string_view fallback) {
    const std::wstring path = SettingsKeyPath();
    const std::wstring name = Wide(key);
    // The value may grow between the two calls when another instance writes it; ask again then.
    for (;;) {
        DWORD bytes = 0;
        LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                      nullptr, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND) return std::string(fallback);
        if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                              value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status == ERROR_FILE_NOT_FOUND) return std::string(fallback);
        if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
        value.resize(bytes / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') value.pop_back();
        return Utf8(value);
    }
}

void RegistrySettings::WriteSetting(std::string_view key, std::string_view value) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
    const std::wstring text = Wide(value);
    status = RegSetValueExW(handle, Wide(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
}

}  // namespace quire::win32
