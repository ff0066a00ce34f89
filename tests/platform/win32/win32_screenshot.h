// A picture of a window as the user sees it, and how well the text in part of it reads.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/colour.h"

namespace quire::win32::testing {

// The client area of a shown window, drawn anew and copied from the screen.
class Screenshot {
public:
    explicit Screenshot(HWND window);

    Colour MostCommon(const RECT& area) const;
    // The contrast of the text in `area`: its most common colour is the background, and the
    // colour that stands out most from it is the text's.
    double TextContrast(const RECT& area) const;

private:
    Colour At(LONG x, LONG y) const;
    RECT Within(const RECT& area) const;
    LONG width_;
    LONG height_;
    std::vector<Colour> pixels_;
};

// The client area of `control` in the client coordinates of `window`, shrunk by `inset`.
RECT AreaIn(HWND window, HWND control, int inset = 0);

}  // namespace quire::win32::testing
