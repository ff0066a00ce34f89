#include "platform/win32/win32_gdi_colours.h"

#include "ui/form1_design.h"

namespace quire::win32 {

COLORREF ToColorRef(Colour colour) {
    if (colour::IsSystemColour(colour)) return GetSysColor(colour::SystemColourIndex(colour));
    return colour & 0x00FFFFFFu;
}

BrushCache::~BrushCache() {
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HBRUSH BrushCache::Get(Colour colour) {
    const COLORREF rgb = ToColorRef(colour);
    auto [it, added] = brushes_.try_emplace(rgb, nullptr);
    if (added) it->second = CreateSolidBrush(rgb);
    return it->second;
}

}  // namespace quire::win32
