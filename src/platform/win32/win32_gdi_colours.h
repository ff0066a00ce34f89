// The core's colour values as GDI colours and brushes.
#pragma once

#include <windows.h>

#include <map>

#include "platform/win32/win32_handles.h"
#include "ui/form1_view.h"

namespace quire::win32 {

// A plain colour is already a COLORREF; a system colour is looked up now, so a change of the
// desktop's colours shows at the next paint.
COLORREF ToColorRef(Colour colour);

// The text colour to draw on `background`: `text` as it is drawn now when it reads there, else
// black or white, whichever reads better (a dark desktop's white text on the design's white face).
COLORREF ReadableOn(Colour background, Colour text);

// Solid brushes by colour, made once and deleted with the cache.
class BrushCache {
public:
    BrushCache() = default;
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;

    HBRUSH Get(Colour colour);

private:
    std::map<COLORREF, Brush> brushes_;
};

}  // namespace quire::win32
