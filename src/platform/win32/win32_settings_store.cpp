#include "platform/win32/win32_settings_store.h"

#include <windows.h>

#include <algorithm>

#include "app/product.h"
#include "engine/failure.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_ordinary_file.h"
#include "platform/win32/win32_product_folder.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

std::string TypeName(DWORD type) {
    switch (type) {
        case REG_NONE: return "REG_NONE";
        case REG_BINARY: return "REG_BINARY";
        case REG_DWORD: return "REG_DWORD";
        case REG_DWORD_BIG_ENDIAN: return "REG_DWORD_BIG_ENDIAN";
        case REG_MULTI_SZ: return "REG_MULTI_SZ";
        case REG_QWORD: return "REG_QWORD";
        default: return "type " + std::to_string(type);
    }
}

[[noreturn]] void CannotWrite(std::string_view what, DWORD error) {
    throw Failure(std::string(what) + " could not be written: " + SystemMessage(error) +
                  " The settings will not be kept.");
}

// ERROR_SUCCESS once every byte is on the disk, else the system's error.
DWORD WriteWhole(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr)) return GetLastError();
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

Failure ReadFailure(std::string_view key, LSTATUS status) {
    return Failure("The setting \"" + std::string(key) +
                   "\" could not be read: " + SystemMessage(static_cast<DWORD>(status)));
}

}  // namespace

std::wstring SettingsKeyPath(std::string_view section) {
    return L"Software\\" + Wide(product::kSettingsApplication) + L"\\" + Wide(section);
}

// The text as stored: %VARIABLES% of an expandable value stay as they are, and a NUL inside the
// text is part of it; only the terminator is dropped.
std::string Win32SettingsStore::ReadSetting(std::string_view key, std::string_view fallback) {
    const std::wstring& path = keyPath_;
    const std::wstring name = Wide(key);
    // The value may grow between the two calls when another instance writes it; ask again then.
    for (;;) {
        DWORD type = REG_NONE;
        DWORD bytes = 0;
        LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(),
                                      RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND) return std::string(fallback);
        if (status != ERROR_SUCCESS) throw ReadFailure(key, status);
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            throw Failure("The setting \"" + std::string(key) + "\" is stored as " +
                          TypeName(type) + ", not as text");
        }
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(),
                              RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                              value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status == ERROR_FILE_NOT_FOUND) return std::string(fallback);
        if (status != ERROR_SUCCESS) throw ReadFailure(key, status);
        value.resize(bytes / sizeof(wchar_t));
        if (!value.empty() && value.back() == L'\0') value.pop_back();
        return Utf8(value);
    }
}

void Win32SettingsStore::WriteSetting(std::string_view key, std::string_view value) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        const RegistryKey settings(handle);
        // The size covers the whole text, a NUL inside it included, and one terminator.
        const std::wstring text = Wide(value);
        status = RegSetValueExW(settings.get(), Wide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    if (status != ERROR_SUCCESS) {
        CannotWrite("The setting \"" + std::string(key) + "\"", static_cast<DWORD>(status));
    }
}

Win32SettingsStore::Win32SettingsStore(std::string longFolder, std::string_view section)
    : longFolder_(longFolder.empty() ? ProductDataFolder() : Wide(longFolder)),
      keyPath_(SettingsKeyPath(section)) {}

std::wstring Win32SettingsStore::LongSettingFile(std::string_view key) const {
    if (longFolder_.empty()) throw Failure("LOCALAPPDATA names no folder");
    return longFolder_ + L"\\" + Wide(key) + L".txt";
}

std::string Win32SettingsStore::ReadLongSetting(std::string_view key) {
    const std::wstring file = LongSettingFile(key);
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    }
    try {
        return ReadOrdinaryFile(Utf8(file), kLongestSetting);
    } catch (const Failure& failure) {
        throw Failure("The settings file " + Utf8(file) + " cannot be read: " + failure.what());
    }
}

void Win32SettingsStore::WriteLongSetting(std::string_view key, std::string_view value) {
    const std::wstring file = LongSettingFile(key);
    const std::string named = "The settings file " + Utf8(file);
    try {
        MakeFolderPath(longFolder_);
    } catch (const Failure& failure) {
        throw Failure(named + " could not be written: " + failure.what() +
                      " The settings will not be kept.");
    }
    const std::wstring temporary = file + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    DWORD error = ERROR_SUCCESS;
    {
        const FileHandle out(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!out) CannotWrite(named, GetLastError());
        error = WriteWhole(out.get(), value);
    }
    if (error != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        CannotWrite(named, error);
    }
    if (!MoveFileExW(temporary.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        CannotWrite(named, error);
    }
}

}  // namespace quire::win32
