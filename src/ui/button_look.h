// How the skin and the design colour the window, as plain data that a toolkit only paints: the
// push buttons in their three states, and the face each control takes once the skin is applied.
#pragma once

#include <optional>

#include "ui/colour.h"
#include "ui/control_id.h"
#include "ui/form1_design.h"
#include "ui/skin_painter.h"

namespace quire {

struct ButtonLook {
    Colour face;         // resting
    Colour hotFace;      // the mouse over it
    Colour pressedFace;  // held down
    Colour border;       // one pixel round it
    Colour text;
    bool flat;  // the border shows only with the mouse over it or held down
};

// The designed look: the design's face and text, a light and a deeper blue when hot and pressed.
ButtonLook DesignButtonLook(const ControlDesign& design);

// The theme's colours over the designed look; each colour the theme leaves out keeps the design's.
ButtonLook SkinnedButtonLook(const ControlDesign& design, const ButtonTheme& theme);

// The background a control takes from the skin: the window face for the window and the labels on
// it, the frame face for a frame and the labels in it (so that a label shows no patch of another
// colour); nothing for the controls that keep their own (text boxes, push buttons).
std::optional<Colour> SkinnedFace(ControlId id, const SkinLook& look);

// A frame's caption colour from the skin, or nothing to keep the design's.
std::optional<Colour> SkinnedText(ControlId id, const SkinLook& look);

}  // namespace quire
