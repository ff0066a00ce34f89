#include "platform/qt/style_sheets.h"

#include "platform/qt/colour.h"

namespace quire::qt {
namespace {

// Hot and pressed faces of the designed buttons: a light and a deeper blue over the white face.
constexpr Colour kDesignHotFace = 0x00FBF1E5;
constexpr Colour kDesignPressedFace = 0x00F7E4CC;
constexpr Colour kDesignBorder = 0x00ADADAD;

QString Or(const std::optional<Colour>& colour, const QString& fallback) {
    return colour ? SheetColour(*colour) : fallback;
}

}  // namespace

ButtonLook DesignButtonLook(const ControlDesign& design) {
    return ButtonLook{SheetColour(design.back),        SheetColour(kDesignHotFace),
                      SheetColour(kDesignPressedFace), SheetColour(kDesignBorder),
                      SheetColour(design.fore),        design.flat};
}

ButtonLook ThemedButtonLook(const ControlDesign& design, const ButtonTheme& theme) {
    ButtonLook look = DesignButtonLook(design);
    look.face = Or(theme.face, look.face);
    look.hotFace = Or(theme.hotFace, look.hotFace);
    look.pressedFace = Or(theme.pressedFace, look.pressedFace);
    look.border = Or(theme.border, look.border);
    look.text = Or(theme.text, look.text);
    return look;
}

QString PushButtonSheet(const ButtonLook& look) {
    const QString restingBorder = look.flat ? QStringLiteral("transparent") : look.border;
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border: 1px solid %3; }\n"
               "QPushButton:hover { background-color: %4; border-color: %5; }\n"
               "QPushButton:pressed { background-color: %6; border-color: %5; }\n"
               "QPushButton:focus { border: 1px dotted %2; }\n")
        .arg(look.face, look.text, restingBorder, look.hotFace, look.border, look.pressedFace);
}

}  // namespace quire::qt
