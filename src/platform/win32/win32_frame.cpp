#include "platform/win32/win32_frame.h"

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_window_ids.h"

namespace quire::win32 {
namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set by WM_SETFONT

void Paint(HWND frame) {
    const PaintDc paint(frame);
    HDC dc = paint.get();
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(frame)));
    RECT client;
    GetClientRect(frame, &client);
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));

    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(frame, kFontSlot));
    const SelectedObject selected(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);

    // The border runs through the middle of the caption line.
    RECT border = client;
    border.top = metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    wchar_t caption[256];
    const int length = GetWindowTextW(frame, caption, 256);
    if (length > 0) {
        RECT text{metrics.tmAveCharWidth, 0, client.right - metrics.tmAveCharWidth,
                  metrics.tmHeight};
        SetBkMode(dc, OPAQUE);  // the face behind the caption hides the border
        DrawTextW(dc, caption, length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_NOCLIP);
    }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: Paint(frame); return 0;
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_SETFONT:
            SetWindowLongPtrW(frame, kFontSlot, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam) != 0) InvalidateRect(frame, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return GetWindowLongPtrW(frame, kFontSlot);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(frame, message, wParam, lParam);
            InvalidateRect(frame, nullptr, TRUE);
            return result;
        }
        case WM_MOUSEMOVE:
            SendMessageW(GetParent(frame), kControlMouseMove,
                         static_cast<WPARAM>(GetDlgCtrlID(frame)), 0);
            return 0;
        default: return DefWindowProcW(frame, message, wParam, lParam);
    }
}

}  // namespace

void RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSEXW kind{};
    if (GetClassInfoExW(instance, kFrameClass, &kind)) return;
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = FrameProc;
    kind.cbWndExtra = sizeof(LONG_PTR);
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.lpszClassName = kFrameClass;
    RegisterClassExW(&kind);
}

}  // namespace quire::win32
