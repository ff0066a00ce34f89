// Port: the per-user store that keeps the window's inputs from one run of the program to the
// next. Implemented by QtSettingsStore (platform/qt, an INI file) and Win32SettingsStore
// (platform/win32, the registry); tests use FakeSettingsStore.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/failure.h"

namespace quire {

namespace setting {
inline constexpr std::string_view kPattern = "Text1";
inline constexpr std::string_view kCount = "Text2";
inline constexpr std::string_view kTarget = "Text3";
inline constexpr std::string_view kLastPicked = "LastFolderDot";
// Our own key, never written: "0", "off", "no" or "false" (any case) keeps the start-up draw from
// opening the maker's home page.
inline constexpr std::string_view kStartupDraw = "StartupDraw";
// The window's options, each written only once it differs from what the store holds, so that a
// window whose options were never changed writes none of them.
inline constexpr std::string_view kOptionStart = "OptionStart";
inline constexpr std::string_view kOptionStep = "OptionStep";
inline constexpr std::string_view kOptionStyle = "OptionStyle";
inline constexpr std::string_view kOptionContinue = "OptionContinue";
inline constexpr std::string_view kOptionEach = "OptionEach";  // one path a line
inline constexpr std::string_view kOptionTemplate = "OptionTemplate";
inline constexpr std::string_view kOptionListed = "OptionListed";
inline constexpr std::string_view kOptionPortable = "OptionPortable";
// The list of names, a long setting (SettingsStore::WriteLongSetting).
inline constexpr std::string_view kOptionNames = "OptionNames";
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

    // A value too long for a setting (a list of a million names), kept in a file of its own
    // beside the store, up to kLongestSetting bytes: the empty text when there is none. Throw
    // Failure as the settings do. A store that keeps no long values has none to give, and
    // refuses to take one.
    static constexpr std::size_t kLongestSetting = 64 * 1024 * 1024;
    virtual std::string ReadLongSetting(std::string_view key) {
        static_cast<void>(key);
        return {};
    }
    virtual void WriteLongSetting(std::string_view key, std::string_view value) {
        static_cast<void>(key);
        static_cast<void>(value);
        throw Failure("This settings store keeps no long values");
    }
};

}  // namespace quire
