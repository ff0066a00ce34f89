// The one colour type of the window, as the design table and the theme give colours.
#pragma once

#include <cstdint>

namespace quire {

// 32-bit colour: 0x00BBGGRR, or a system colour when the top bit is set (index in the low byte).
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWindowBackground = 0x80000005;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;

constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int Red(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }
}  // namespace colour

}  // namespace quire
