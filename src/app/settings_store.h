// Port: the per-user store that keeps the window's inputs from one run of the program to the
// next. Implemented by QtSettingsStore (platform/qt, an INI file) and Win32SettingsStore
// (platform/win32, the registry); tests use FakeSettingsStore.
#pragma once

#include <string>
#include <string_view>

namespace quire {

namespace setting {
inline constexpr std::string_view kPattern = "Text1";
inline constexpr std::string_view kCount = "Text2";
inline constexpr std::string_view kTarget = "Text3";
inline constexpr std::string_view kLastPicked = "LastFolderDot";
// Our own key, never written: "0", "off", "no" or "false" (any case) keeps the start-up draw from
// opening the maker's home page.
inline constexpr std::string_view kStartupDraw = "StartupDraw";
inline constexpr std::string_view kDefaultPattern = "Folder ###";
inline constexpr std::string_view kDefaultCount = "20";
}  // namespace setting

// Text values under the product's application key and section; only the key varies.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or `fallback` unchanged when the key is absent. Throws Failure when the
    // store cannot be read.
    virtual std::string ReadSetting(std::string_view key, std::string_view fallback) = 0;

    // Creates or replaces the value; it is on disk when this returns. Throws Failure when the
    // store refuses the write.
    virtual void WriteSetting(std::string_view key, std::string_view value) = 0;
};

}  // namespace quire
