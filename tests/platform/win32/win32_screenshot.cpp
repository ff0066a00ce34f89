#include "win32_screenshot.h"

#include <algorithm>
#include <map>

#include "platform/win32/win32_handles.h"
#include "ui/contrast.h"

namespace quire::win32::testing {

Screenshot::Screenshot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const WindowDc screen(window);
    HDC copy = CreateCompatibleDC(screen.get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), width_, height_);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
    SelectObject(copy, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bgr(static_cast<std::size_t>(width_ * height_));
    GetDIBits(copy, bitmap, 0, static_cast<UINT>(height_), bgr.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(copy);
    // A DIB holds blue in the low byte; a Colour holds red there.
    for (const DWORD pixel : bgr) {
        pixels_.push_back(((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16));
    }
}

Colour Screenshot::At(LONG x, LONG y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

RECT Screenshot::Within(const RECT& area) const {
    return RECT{std::max(0L, area.left), std::max(0L, area.top), std::min(width_, area.right),
                std::min(height_, area.bottom)};
}

Colour Screenshot::MostCommon(const RECT& area) const {
    const RECT in = Within(area);
    std::map<Colour, int> counts;
    for (LONG y = in.top; y < in.bottom; ++y) {
        for (LONG x = in.left; x < in.right; ++x) ++counts[At(x, y)];
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

double Screenshot::TextContrast(const RECT& area) const {
    const Colour background = MostCommon(area);
    const RECT in = Within(area);
    double best = 1.0;
    for (LONG y = in.top; y < in.bottom; ++y) {
        for (LONG x = in.left; x < in.right; ++x) {
            best = std::max(best, ContrastRatio(background, At(x, y)));
        }
    }
    return best;
}

RECT AreaIn(HWND window, HWND control, int inset) {
    RECT area;
    GetClientRect(control, &area);
    MapWindowPoints(control, window, reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, -inset, -inset);
    return area;
}

}  // namespace quire::win32::testing
