#include "ui/preset_store.h"

#include <algorithm>
#include <string_view>

#include "app/product.h"
#include "engine/failure.h"
#include "ui/preset_name.h"

namespace quire {
namespace {

constexpr std::string_view kName = "Name";

std::string Key(int slot, std::string_view key) {
    return "Preset" + std::to_string(slot) + "." + std::string(key);
}

// The slot's keys as a store of their own, so that the window's options are read and written
// by the code that keeps them in the window's group.
class SlotSettings final : public SettingsStore {
public:
    SlotSettings(SettingsStore& group, int slot) : group_(group), slot_(slot) {}

    std::string ReadSetting(std::string_view key, std::string_view fallback) override {
        return group_.ReadSetting(Key(slot_, key), fallback);
    }
    void WriteSetting(std::string_view key, std::string_view value) override {
        group_.WriteSetting(Key(slot_, key), value);
    }
    std::string ReadLongSetting(std::string_view key) override {
        return group_.ReadLongSetting(Key(slot_, key));
    }
    void WriteLongSetting(std::string_view key, std::string_view value) override {
        group_.WriteLongSetting(Key(slot_, key), value);
    }

private:
    SettingsStore& group_;
    int slot_;
};

void AddProblem(std::string& problem, std::string_view what) {
    problem += problem.empty() ? std::string(product::kPresetUnreadable) + ": " : "; ";
    problem += what;
}

// Rewrites the slot's options from what it holds now to `options`.
void WriteSlotOptions(SettingsStore& group, int slot, const WindowOptions& options) {
    SlotSettings settings(group, slot);
    const StoredOptions held = ReadWindowOptions(settings);
    WriteWindowOptions(settings, held.options, options, held.stale);
}

}  // namespace

StoredPresetNames ReadPresetNames(SettingsStore& group) {
    StoredPresetNames stored;
    std::vector<std::string> names;
    std::size_t unreadable = 0;
    for (int slot = 1; slot <= static_cast<int>(kMostPresets); ++slot) {
        std::string name;
        try {
            name = group.ReadSetting(Key(slot, kName), "");
        } catch (const Failure& failure) {
            if (++unreadable == kMostPresets) throw;
            AddProblem(stored.problem, failure.what());
            continue;
        }
        if (name.empty()) continue;
        // Each name is checked against the earlier ones as a new one would be, but the group
        // is never full to it.
        if (PresetNameProblem(name, names, false).empty() &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
            stored.entries.push_back({slot, std::move(name)});
        } else {
            AddProblem(stored.problem, Key(slot, kName) + "=" + name);
        }
    }
    std::stable_sort(
        stored.entries.begin(), stored.entries.end(),
        [](const PresetEntry& a, const PresetEntry& b) { return PresetNameOrder(a.name, b.name); });
    return stored;
}

StoredPreset ReadPreset(SettingsStore& group, const PresetEntry& entry) {
    StoredPreset stored;
    Preset& preset = stored.preset;
    preset.pattern = group.ReadSetting(Key(entry.slot, setting::kPattern), "");
    preset.count = group.ReadSetting(Key(entry.slot, setting::kCount), "");
    preset.target = group.ReadSetting(Key(entry.slot, setting::kTarget), "");
    SlotSettings settings(group, entry.slot);
    StoredOptions options = ReadWindowOptions(settings);
    preset.options = std::move(options.options);
    if (!options.problem.empty()) AddProblem(stored.problem, entry.name + ": " + options.problem);
    return stored;
}

int FreePresetSlot(const std::vector<PresetEntry>& entries) {
    for (int slot = 1; slot <= static_cast<int>(kMostPresets); ++slot) {
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const PresetEntry& entry) { return entry.slot == slot; })) {
            return slot;
        }
    }
    return 0;
}

void WritePreset(SettingsStore& group, const PresetEntry& entry, const Preset& preset) {
    group.WriteSetting(Key(entry.slot, setting::kPattern), preset.pattern);
    group.WriteSetting(Key(entry.slot, setting::kCount), preset.count);
    group.WriteSetting(Key(entry.slot, setting::kTarget), preset.target);
    WriteSlotOptions(group, entry.slot, preset.options);
    group.WriteSetting(Key(entry.slot, kName), entry.name);
}

void RemovePreset(SettingsStore& group, int slot) {
    group.WriteSetting(Key(slot, kName), "");
    WriteSlotOptions(group, slot, WindowOptions{});
}

}  // namespace quire
