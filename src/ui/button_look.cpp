#include "ui/button_look.h"

namespace quire {
namespace {

// The designed buttons' hot and pressed faces and their border.
constexpr Colour kDesignHotFace = 0x00FBF1E5;
constexpr Colour kDesignPressedFace = 0x00F7E4CC;
constexpr Colour kDesignBorder = 0x00ADADAD;

}  // namespace

ButtonLook DesignButtonLook(const ControlDesign& design) {
    return ButtonLook{design.back,   kDesignHotFace, kDesignPressedFace,
                      kDesignBorder, design.fore,    design.flat};
}

ButtonLook SkinnedButtonLook(const ControlDesign& design, const ButtonTheme& theme) {
    ButtonLook look = DesignButtonLook(design);
    look.face = theme.face.value_or(look.face);
    look.hotFace = theme.hotFace.value_or(look.hotFace);
    look.pressedFace = theme.pressedFace.value_or(look.pressedFace);
    look.border = theme.border.value_or(look.border);
    look.text = theme.text.value_or(look.text);
    return look;
}

std::optional<Colour> SkinnedFace(ControlId id, const SkinLook& look) {
    if (id == ControlId::Form1) return look.windowFace;
    const ControlDesign& design = DesignOf(id);
    switch (design.kind) {
        case ControlKind::Frame: return look.frameFace;
        case ControlKind::Label:
            return design.container == ControlId::Form1 ? look.windowFace : look.frameFace;
        default: return std::nullopt;
    }
}

std::optional<Colour> SkinnedText(ControlId id, const SkinLook& look) {
    if (id == ControlId::Form1 || DesignOf(id).kind != ControlKind::Frame) return std::nullopt;
    return look.frameText;
}

}  // namespace quire
