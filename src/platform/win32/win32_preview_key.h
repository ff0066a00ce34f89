// The preview's key (product::kPreviewShortcut), which works anywhere in the main window with its
// menus closed, as the Qt window's does.
#pragma once

#include <windows.h>

namespace quire::win32 {

// Handles the key pressed in `window` or one of its controls by sending the window "Preview...";
// false for any other message.
bool HandlePreviewKey(HWND window, const MSG& message);

}  // namespace quire::win32
