// Text that stays readable on the background it is drawn on, whatever colours the desktop's theme
// gives the system colours. Plain colours only: the toolkit resolves system colours first.
#pragma once

#include "ui/colour.h"

namespace quire {

// The contrast ratio of two plain colours, from 1 (the same) to 21 (black on white), by the
// relative luminance of the sRGB colours.
double ContrastRatio(Colour first, Colour second);

// The least ratio at which small text reads.
inline constexpr double kReadableContrast = 4.5;

// `text` when it reads on `background`, else black or white, whichever reads better: on the
// default light theme the designed colours stay; on a dark one white-on-white text turns black.
Colour ReadableText(Colour background, Colour text);

}  // namespace quire
