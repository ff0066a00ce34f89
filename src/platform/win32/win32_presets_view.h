// The presets' dialogs in plain Win32, made in code as the Options dialog is: the name to save
// under (with the tick box for keeping the target folder) and the choice of the preset to
// delete. The dialog manager gives them Tab, the Alt keys, Enter for OK and Esc for Cancel.
#pragma once

#include <windows.h>

#include "ui/presets_view.h"

namespace quire::win32 {

// The dialogs' child-window ids: the name box or the list of presets, the label naming it, the
// text below it that tells why a name is refused, and the tick box.
inline constexpr int kPresetFieldId = 100;
inline constexpr int kPresetCaptionId = 101;
inline constexpr int kPresetProblemId = 102;
inline constexpr int kPresetKeepTargetId = 103;

class Win32PresetsView final : public PresetsView {
public:
    explicit Win32PresetsView(HWND owner) : owner_(owner) {}

    // Each throws Failure when its dialog cannot be made.
    std::optional<PresetNameAnswer> AskName(
        const std::function<std::string(const std::string&)>& problem) override;
    std::optional<std::size_t> ChoosePreset(const std::vector<std::string>& names) override;

private:
    HWND owner_;
};

}  // namespace quire::win32
