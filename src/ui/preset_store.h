// The presets in their settings group: numbered slots, each holding a name, the three boxes'
// texts and the options under keys "Preset<slot>.<key>" (the window's own keys behind the
// number), so that no key of the window's group is touched. A slot with no name is free.
#pragma once

#include <string>
#include <vector>

#include "app/settings_store.h"
#include "ui/window_options.h"

namespace quire {

struct PresetEntry {
    int slot = 0;  // from 1 to kMostPresets
    std::string name;
};

struct Preset {
    std::string pattern;
    std::string count;
    std::string target;  // empty: the preset keeps no target
    WindowOptions options;
};

// The names in the group, by name regardless of case. A name that no preset may have, or one
// that an earlier slot has in any case, is left out and named in `problem`.
struct StoredPresetNames {
    std::vector<PresetEntry> entries;
    std::string problem;  // for the report; empty when every slot could be read
};

// A name that cannot be read is named in `problem` too. Throws Failure when none can be read:
// the group cannot be read at all.
StoredPresetNames ReadPresetNames(SettingsStore& group);

// The slot's values; garbage in its options' keys leaves those at their defaults and is named
// in `problem`. Throws Failure when the group cannot be read.
struct StoredPreset {
    Preset preset;
    std::string problem;
};
StoredPreset ReadPreset(SettingsStore& group, const PresetEntry& entry);

// The lowest slot not in `entries`, or 0 when every one is taken.
int FreePresetSlot(const std::vector<PresetEntry>& entries);

// Writes the slot's values, its name last, so that a write cut short leaves no half preset.
// Throws Failure as the store does.
void WritePreset(SettingsStore& group, const PresetEntry& entry, const Preset& preset);

// Frees the slot: its name first, then its options back to their defaults (a long list of names
// is not left behind).
void RemovePreset(SettingsStore& group, int slot);

}  // namespace quire
