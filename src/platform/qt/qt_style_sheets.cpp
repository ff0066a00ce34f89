#include "platform/qt/qt_style_sheets.h"

#include "platform/qt/qt_colour.h"

namespace quire::qt {

QString PushButtonSheet(const ButtonLook& look) {
    const QString border = SheetColour(look.border);
    const QString restingBorder = look.flat ? QStringLiteral("transparent") : border;
    const QString text = SheetColour(look.text);
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border: 1px solid %3; }\n"
               "QPushButton:hover { background-color: %4; border-color: %5; }\n"
               "QPushButton:pressed { background-color: %6; border-color: %5; }\n"
               "QPushButton:focus { border: 1px dotted %2; }\n")
        .arg(SheetColour(look.face), text, restingBorder, SheetColour(look.hotFace), border,
             SheetColour(look.pressedFace));
}

}  // namespace quire::qt
