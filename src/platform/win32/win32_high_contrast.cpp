#include "platform/win32/win32_high_contrast.h"

namespace quire::win32 {
namespace {

constexpr Colour SystemColour(int index) { return 0x80000000u | static_cast<Colour>(index); }

}  // namespace

bool HighContrastOn() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ColourPair HighContrastColours(ControlKind kind) {
    if (kind == ControlKind::TextBox) return {colour::kWindowBackground, colour::kWindowText};
    return {colour::kButtonFace, colour::kButtonText};
}

ButtonLook HighContrastButtonLook() {
    const Colour selection = SystemColour(COLOR_HIGHLIGHT);
    return ButtonLook{colour::kButtonFace, selection,           selection,
                      colour::kButtonText, colour::kButtonText, false};
}

}  // namespace quire::win32
