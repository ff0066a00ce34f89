// Windows' high-contrast mode: while it is on, the window and its message boxes are drawn in the
// system's colours alone, neither in the design's fixed colours nor in the skin's.
#pragma once

#include <windows.h>

#include "ui/button_look.h"
#include "ui/form1_design.h"

namespace quire::win32 {

// Asked again whenever Windows announces a change of its colours or settings.
bool HighContrastOn();

struct ColourPair {
    Colour face;
    Colour text;
};

// The system colours a control of this kind (or the window itself) takes in high-contrast mode:
// the window's for text boxes, the dialogs' face for everything else.
ColourPair HighContrastColours(ControlKind kind);

// A push button in the system's button colours, hot and held down in the selection's colour, its
// border always shown so that a flat button can still be told from the face around it.
ButtonLook HighContrastButtonLook();

}  // namespace quire::win32
