#include "platform/win32/win32_gdi_colours.h"

#include "ui/contrast.h"
#include "ui/form1_design.h"

namespace quire::win32 {

COLORREF ToColorRef(Colour colour) {
    if (colour::IsSystemColour(colour)) return GetSysColor(colour::SystemColourIndex(colour));
    return colour & 0x00FFFFFFu;
}

COLORREF ReadableOn(Colour background, Colour text) {
    return ReadableText(ToColorRef(background), ToColorRef(text));
}

HBRUSH BrushCache::Get(Colour colour) {
    const COLORREF rgb = ToColorRef(colour);
    auto [it, added] = brushes_.try_emplace(rgb);
    if (added) it->second = Brush(CreateSolidBrush(rgb));
    return it->second.get();
}

}  // namespace quire::win32
