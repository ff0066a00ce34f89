// The pieces of start-up that are plain logic: the application title, the default target folder
// and the one-in-a-hundred start-up draw.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/settings_store.h"
#include "engine/folder_lookup.h"
#include "shell/shell.h"

namespace quire {

// The name cut at its last blank, at least once and until it has at most 40 characters.
// Throws Failure when a cut is due and no blank is left.
std::string ApplicationTitle(std::string_view productName);

// The desktop folder's path with one separator appended; where no folder stands there (a Linux
// desktop without one) and the home folder is known, the home folder's. Throws Failure when the
// desktop folder cannot be resolved.
std::string DefaultTargetFolder(Shell& shell, const FolderLookup& files, char separator);

// A source of numbers drawn uniformly from [0, 1).
using UniformSource = std::function<double()>;

// A standard engine seeded with the seconds since midnight.
UniformSource SeededUniformSource(std::uint32_t secondsSinceMidnight);

// The drawn integer from 1 to 100.
int DrawStartupNumber(const UniformSource& uniform);

inline constexpr int kStartupDrawHit = 7;

// Whether the user left the start-up draw on (setting::kStartupDraw). A store that cannot be read
// leaves it on: the restores after it report the store.
bool StartupDrawWanted(SettingsStore& settings);

// Draws once; on a hit starts the web opener on the maker's home page and does not wait.
void StartupDraw(const UniformSource& uniform, Shell& shell, std::string_view webOpener);

}  // namespace quire
