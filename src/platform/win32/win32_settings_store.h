// The settings store in the registry: REG_SZ values under
// HKEY_CURRENT_USER\Software\Quillmark\Pallisand Quire Batch Utility; a value too long for the
// registry (a list of a million names) is a file of its own, <key>.txt, in the product's folder
// among the user's local application data.
#pragma once

#include <string>

#include "app/product.h"
#include "app/settings_store.h"

namespace quire::win32 {

// The key below HKEY_CURRENT_USER that holds the values of `section` (the window's by default;
// the presets have one of their own beside it).
std::wstring SettingsKeyPath(std::string_view section = product::kSettingsSection);

class Win32SettingsStore final : public SettingsStore {
public:
    // `longFolder`: the folder of the long values; empty: the product's own (tests pass theirs).
    explicit Win32SettingsStore(std::string longFolder = {},
                                std::string_view section = product::kSettingsSection);

    std::string ReadSetting(std::string_view key, std::string_view fallback) override;
    void WriteSetting(std::string_view key, std::string_view value) override;
    // A file that is not there is the empty text; one that is no ordinary file, or is larger
    // than kLongestSetting, is refused unread.
    std::string ReadLongSetting(std::string_view key) override;
    // The file is replaced whole in one rename: a reader finds the old list or the new one.
    void WriteLongSetting(std::string_view key, std::string_view value) override;

private:
    std::wstring LongSettingFile(std::string_view key) const;

    std::wstring longFolder_;
    std::wstring keyPath_;
};

}  // namespace quire::win32
