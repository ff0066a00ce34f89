// The settings store of the Linux program: one group of an INI file shared with the maker's other
// programs ($XDG_CONFIG_HOME/Quillmark.conf), in the form Qt's settings class reads and writes.
//
// The file is treated as hostile: it is read only when it is an ordinary file (links followed),
// never waiting on a pipe or a device, and only up to 1 MiB. A write goes through a lock that is
// given up after 2 seconds, replaces the file (or the ordinary file a link leads to) with a new
// one in a single rename, and is on disk when it returns; a link to anything else, a pipe, a
// device or a socket in its place is never written to.
//
// Qt's own settings class is not used for this: it opens whatever stands at the path, so a pipe
// there blocks the program; it waits for its lock without end; and it writes through a link into
// whatever the link names.
#pragma once

#include <QString>
#include <string>

#include "app/settings_store.h"

namespace quire::qt {

// The user's settings file: "Quillmark.conf" in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config), found without opening it.
QString DefaultSettingsFile();

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore(std::string file, std::string group)
        : file_(std::move(file)), group_(std::move(group)) {}

    // Throws Failure when the file is there and cannot be read, or holds lines that are no
    // settings (its other lines are not trusted then); nothing there gives the fallback.
    std::string ReadSetting(std::string_view key, std::string_view fallback) override;

    // Writes the whole file anew with this value set; lines that were no settings are dropped.
    void WriteSetting(std::string_view key, std::string_view value) override;

    // A long value is the file "quirebatch/KEY.txt" in the settings file's folder, read as the
    // settings file is (an ordinary file, never waiting) and replaced in one rename.
    std::string ReadLongSetting(std::string_view key) override;
    void WriteLongSetting(std::string_view key, std::string_view value) override;

    const std::string& File() const { return file_; }
    std::string LongSettingFile(std::string_view key) const;

private:
    std::string file_;
    std::string group_;
};

}  // namespace quire::qt
