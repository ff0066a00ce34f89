#include "platform/win32/win32_dpi.h"

#include "platform/win32/win32_handles.h"

namespace quire::win32 {
namespace {

// A function of user32 that older versions of Windows lack, or null there.
template <typename Function>
Function User32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto forWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto forDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

RECT OuterRectForDpi(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    static const auto forDpi =
        User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, width, height};
    if (forDpi == nullptr || !forDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        outer = RECT{0, 0, width, height};
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    return outer;
}

LOGFONTW MessageFontForDpi(int dpi) {
    static const auto forDpi =
        User32Function<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMessageFont;
    }
    // Elsewhere the system gives it at the screen's resolution.
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW font{};
        font.lfHeight = -MulDiv(9, dpi, 72);
        font.lfWeight = FW_NORMAL;
        lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
        return font;
    }
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, ScreenDpi());
    return metrics.lfMessageFont;
}

void LeaveDialogLayoutToIt(HWND dialog) {
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    static const auto behave =
        User32Function<BOOL(WINAPI*)(HWND, int, int)>("SetDialogDpiChangeBehavior");
    if (behave != nullptr) behave(dialog, kDisableAll, kDisableAll);
}

}  // namespace quire::win32
