// Style sheets of the push buttons: the designed look and the skinned one share one builder.
#pragma once

#include <QString>

#include "ui/form1_design.h"
#include "ui/theme.h"

namespace quire::qt {

struct ButtonLook {
    QString face;
    QString hotFace;
    QString pressedFace;
    QString border;
    QString text;
    bool flat = false;  // no border until the mouse is over it
};

// The look of a push button as designed: its face and text colours, a thin border.
ButtonLook DesignButtonLook(const ControlDesign& design);

// The designed look with the theme's colours laid over it; what the theme leaves out stays.
ButtonLook ThemedButtonLook(const ControlDesign& design, const ButtonTheme& theme);

QString PushButtonSheet(const ButtonLook& look);

}  // namespace quire::qt
