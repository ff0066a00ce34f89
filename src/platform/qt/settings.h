// Where the Linux program keeps its settings.
#pragma once

#include <QString>

namespace quire::qt {

// The user's settings file: "Quillmark.conf" in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config).
QString DefaultSettingsFile();

}  // namespace quire::qt
