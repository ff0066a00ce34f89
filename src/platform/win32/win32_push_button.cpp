#include "platform/win32/win32_push_button.h"

#include <commctrl.h>

#include "platform/win32/win32_gdi_colours.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_window_ids.h"

namespace quire::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kStateProperty[] = L"QuireBatchPushButton";

struct ButtonState {
    bool hot = false;
};

void NotifyClick(HWND button) {
    SendMessageW(GetParent(button), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
    auto* state = reinterpret_cast<ButtonState*>(data);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!state->hot) {
                state->hot = true;
                TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, button, 0};
                TrackMouseEvent(&leave);
                InvalidateRect(button, nullptr, FALSE);
            }
            SendMessageW(GetParent(button), kControlMouseMove,
                         static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
            break;
        case WM_MOUSELEAVE:
            state->hot = false;
            InvalidateRect(button, nullptr, FALSE);
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                NotifyClick(button);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(button, ButtonProc, kSubclassId);
            RemovePropW(button, kStateProperty);
            delete state;
            break;
        default: break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const Brush brush(CreateSolidBrush(colour));
    FrameRect(dc, &rect, brush.get());
}

}  // namespace

void MakePushButton(HWND button) {
    auto* state = new ButtonState;
    SetPropW(button, kStateProperty, state);
    SetWindowSubclass(button, ButtonProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state));
}

bool IsHot(HWND button) {
    const auto* state = static_cast<const ButtonState*>(GetPropW(button, kStateProperty));
    return state != nullptr && state->hot;
}

void DrawPushButton(const DRAWITEMSTRUCT& item, const ButtonLook& look) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool hot = IsHot(item.hwndItem);

    const Colour face = pressed ? look.pressedFace : hot ? look.hotFace : look.face;
    FillSolid(dc, rect, ToColorRef(face));
    if (!look.flat || pressed || hot) FrameSolid(dc, rect, ToColorRef(look.border));

    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, 128);
    RECT text = rect;
    if (pressed) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ReadableOn(face, look.text));  // each state's face may call for another
    DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace quire::win32
