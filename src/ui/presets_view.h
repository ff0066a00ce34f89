// Port: the dialogs of the "Presets" submenu. Implemented by QtPresetsView (platform/qt) and
// Win32PresetsView (platform/win32); tests use FakePresetsView.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quire {

struct PresetNameAnswer {
    std::string name;
    bool keepTarget = false;
};

class PresetsView {
public:
    virtual ~PresetsView() = default;

    // "Save as Preset...": asks modally for a name, with a tick box for keeping the target
    // folder. OK gives the name to `problem`: a refusal is shown beside the box (and told to a
    // screen reader) with the focus back in it; the empty text closes the dialog. Nothing when
    // it was cancelled or closed.
    virtual std::optional<PresetNameAnswer> AskName(
        const std::function<std::string(const std::string&)>& problem) = 0;

    // "Delete Preset...": lets the user choose one of `names`; its index, nothing when
    // cancelled.
    virtual std::optional<std::size_t> ChoosePreset(const std::vector<std::string>& names) = 0;
};

}  // namespace quire
