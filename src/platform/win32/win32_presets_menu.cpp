#include "platform/win32/win32_presets_menu.h"

#include "app/product.h"
#include "platform/win32/win32_presets_view.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "ui/form1.h"
#include "ui/preset_name.h"

namespace quire::win32 {
namespace {

constexpr UINT kCommandStep = 16;  // the low four bits of a system menu's command are the system's

}  // namespace

void FillPresetsMenu(HMENU menu, const Form1& form) {
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
    AppendMenuW(menu, MF_STRING, kPresetSaveCommand, Wide(product::kPresetSaveEntry).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::vector<std::string> names = form.PresetNames();
    if (names.empty()) {
        AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, Wide(product::kPresetNoneSaved).c_str());
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        // An ampersand of the name is shown, not taken for the Alt key's letter.
        std::wstring text;
        for (const wchar_t c : Wide(names[i])) {
            if (c == L'&') text += L'&';
            text += c;
        }
        AppendMenuW(menu, MF_STRING, kFirstPresetCommand + kCommandStep * static_cast<UINT>(i),
                    text.c_str());
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | (names.empty() ? UINT{MF_GRAYED} : UINT{MF_ENABLED}),
                kPresetDeleteCommand, Wide(product::kPresetDeleteEntry).c_str());
}

bool IsPresetsCommand(UINT command) {
    return command == kPresetSaveCommand || command == kPresetDeleteCommand ||
           (command >= kFirstPresetCommand &&
            command < kFirstPresetCommand + kCommandStep * kMostPresets);
}

void RunPresetsCommand(UINT command, Form1& form, HWND owner) {
    Win32PresetsView view(owner);
    if (command == kPresetSaveCommand) {
        form.SavePreset_Click(view);
    } else if (command == kPresetDeleteCommand) {
        form.DeletePreset_Click(view);
    } else {
        form.Preset_Click((command - kFirstPresetCommand) / kCommandStep);
    }
}

}  // namespace quire::win32
