// Our push button: a BS_OWNERDRAW button whose face, border, caption and focus rectangle we draw.
// The system button supplies focus, mouse capture, the space bar and BM_CLICK; the subclass adds
// Enter, the hot state and the mouse-move notification to the main window.
#pragma once

#include <windows.h>

#include "ui/button_look.h"

namespace quire::win32 {

// Turns a BUTTON created with BS_OWNERDRAW into ours. The button sends kControlMouseMove to its
// parent on every mouse move and WM_COMMAND BN_CLICKED on Enter.
void MakePushButton(HWND button);

// True while the mouse is over the button.
bool IsHot(HWND button);

// Draws the button for WM_DRAWITEM, its caption in a colour that reads on the face of its state.
void DrawPushButton(const DRAWITEMSTRUCT& item, const ButtonLook& look);

}  // namespace quire::win32
