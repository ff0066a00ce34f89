// The window theme file: UTF-8 text with [Section] headers, "Key = Value" lines, colours as #RRGGBB
// and ";" comments. Unknown sections and keys are ignored so that newer files load in older
// programs; a line that is none of these is an error.
//
//   [Window]      Face
//   [Frame]       Face, Text
//   [PushButton]  Face, HotFace, PressedFace, Border, Text
#pragma once

#include <optional>
#include <string_view>

#include "ui/colour.h"

namespace quire {

struct ButtonTheme {
    std::optional<Colour> face;
    std::optional<Colour> hotFace;
    std::optional<Colour> pressedFace;
    std::optional<Colour> border;
    std::optional<Colour> text;
};

struct Theme {
    std::optional<Colour> windowFace;
    std::optional<Colour> frameFace;
    std::optional<Colour> frameText;
    ButtonTheme pushButton;
};

// Throws Failure naming the line when a line is malformed.
Theme ParseTheme(std::string_view text);

// "#RRGGBB" as a plain colour (red in the low byte); nothing when malformed.
std::optional<Colour> ParseHexColour(std::string_view text);

}  // namespace quire
