// How the main window's controls are known to Win32: child-window ids and private messages.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/control_id.h"

namespace quire::win32 {

// Sent by a control to the main window when the mouse moves over it; wParam is the control's id.
inline constexpr UINT kControlMouseMove = WM_APP + 1;

// "Undo Last Run..." in the system menu: below 0xF000, the low four bits clear, as WM_SYSCOMMAND
// leaves them to the system.
inline constexpr UINT kUndoCommand = 0x0110;
// "Options..." after it.
inline constexpr UINT kOptionsCommand = 0x0120;
// "Preview..." beside it, which its key (win32_preview_key.h) sends too.
inline constexpr UINT kPreviewCommand = 0x0150;
// The "Presets" submenu: "Save as Preset...", "Delete Preset..." and the presets by their place
// in the list, 16 apart.
inline constexpr UINT kPresetSaveCommand = 0x0130;
inline constexpr UINT kPresetDeleteCommand = 0x0140;
inline constexpr UINT kFirstPresetCommand = 0x1000;

inline constexpr int kFirstWindowId = 1000;

constexpr int WindowId(ControlId id) { return kFirstWindowId + static_cast<int>(id); }

constexpr std::optional<ControlId> ControlOfId(int windowId) {
    const int index = windowId - kFirstWindowId;
    if (index < 0 || index > static_cast<int>(ControlId::SkinFramework1)) return std::nullopt;
    return static_cast<ControlId>(index);
}

inline std::optional<ControlId> ControlOf(HWND control) {
    if (control == nullptr || (GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD) == 0) {
        return std::nullopt;
    }
    return ControlOfId(GetDlgCtrlID(control));
}

}  // namespace quire::win32
