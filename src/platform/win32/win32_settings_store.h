// The settings store in the registry: REG_SZ values under
// HKEY_CURRENT_USER\Software\Quillmark\Pallisand Quire Batch Utility.
#pragma once

#include <string>

#include "app/settings_store.h"

namespace quire::win32 {

// The key below HKEY_CURRENT_USER that holds every value.
std::wstring SettingsKeyPath();

class Win32SettingsStore final : public SettingsStore {
public:
    std::string ReadSetting(std::string_view key, std::string_view fallback) override;
    void WriteSetting(std::string_view key, std::string_view value) override;
};

}  // namespace quire::win32
