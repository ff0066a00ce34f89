#include "platform/qt/qt_style_sheets.h"

#include "platform/qt/qt_colour.h"

namespace quire::qt {

// The text takes, in each state, a colour that reads on that state's face.
QString PushButtonSheet(const ButtonLook& look) {
    const QString border = SheetColour(look.border);
    const QString restingBorder = look.flat ? QStringLiteral("transparent") : border;
    const auto text = [&](Colour face) { return ReadableOn(face, look.text).name(QColor::HexRgb); };
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border: 1px solid %3; }\n"
               "QPushButton:hover { background-color: %4; color: %5; border-color: %6; }\n"
               "QPushButton:pressed { background-color: %7; color: %8; border-color: %6; }\n"
               "QPushButton:focus { border: 1px dotted %2; }\n")
        .arg(SheetColour(look.face), text(look.face), restingBorder, SheetColour(look.hotFace),
             text(look.hotFace), border, SheetColour(look.pressedFace), text(look.pressedFace));
}

}  // namespace quire::qt
