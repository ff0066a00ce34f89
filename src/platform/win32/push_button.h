// Our push button: a BS_OWNERDRAW button whose face, border, caption and focus rectangle we draw.
// The system button supplies focus, mouse capture, the space bar and BM_CLICK; the subclass adds
// Enter, the hot state and the mouse-move notification to the main window.
#pragma once

#include <optional>

#include <windows.h>

namespace quire::win32 {

struct PushButtonLook {
    COLORREF face;
    COLORREF hotFace;
    COLORREF pressedFace;
    COLORREF text;
    std::optional<COLORREF> border;  // a one-pixel border; nothing draws the 3D edge
    bool flat;                       // a thin border instead of the raised edge
};

// Turns a BUTTON created with BS_OWNERDRAW into ours. The button sends kControlMouseMove to its
// parent on every mouse move and WM_COMMAND BN_CLICKED on Enter.
void MakePushButton(HWND button);

// True while the mouse is over the button.
bool IsHot(HWND button);

// Draws the button for WM_DRAWITEM.
void DrawPushButton(const DRAWITEMSTRUCT& item, const PushButtonLook& look);

}  // namespace quire::win32
