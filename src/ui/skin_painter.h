// Port: draws the skin's look on the window and its message boxes. Implemented by QtSkinPainter
// (platform/qt) and Win32SkinPainter (platform/win32); tests use FakeSkinPainter.
#pragma once

#include <optional>

#include "ui/colour.h"
#include "ui/theme.h"

namespace quire {

// What the toolkit draws once the skin is applied.
struct SkinLook {
    Colour windowFace;                       // window and labels' background
    Colour frameFace;                        // frames' background
    std::optional<Colour> frameText;         // frame captions; nothing keeps the design colour
    std::optional<ButtonTheme> pushButtons;  // nothing: buttons keep their design look
    std::optional<Colour> messageBoxFace;    // nothing: message boxes keep the platform's look
};

class SkinPainter {
public:
    virtual ~SkinPainter() = default;

    // Throws Failure when the window refuses the colours.
    virtual void Paint(const SkinLook& look) = 0;
};

}  // namespace quire
