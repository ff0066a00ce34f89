// The settings store in an INI file: $XDG_CONFIG_HOME/Quillmark.conf, one group per product.
#pragma once

#include <QString>

#include "app/settings_store.h"

namespace quire::qt {

// The user's settings file: "Quillmark.conf" in the user's configuration folder.
QString DefaultSettingsFile();

class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}

    std::string ReadSetting(std::string_view key, std::string_view fallback) override;

    // Written and synced before it returns, so a value survives the process ending at once.
    void WriteSetting(std::string_view key, std::string_view value) override;

    const QString& File() const { return file_; }

private:
    QString file_;
};

}  // namespace quire::qt
