#include "platform/win32/win32_dialogs.h"

#include <commctrl.h>

#include <optional>

#include "engine/failure.h"
#include "platform/win32/gdi_colours.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace quire::win32 {
namespace {

// MessageBoxW offers neither colours nor a position: while a box is shown, a hook on this
// thread catches its creation, subclasses it so that its face and texts take the skin's colour,
// and centres it on the screen when its owner is not on the screen yet.
struct BoxHook {
    HHOOK hook = nullptr;
    std::optional<COLORREF> face;
    HBRUSH brush = nullptr;
    bool centre = false;
};
thread_local BoxHook* activeBox = nullptr;

LRESULT CALLBACK FaceProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    const auto* faced = reinterpret_cast<const BoxHook*>(data);
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wParam), *faced->face);
            return reinterpret_cast<LRESULT>(faced->brush);
        case WM_NCDESTROY: RemoveWindowSubclass(box, FaceProc, 1); break;
        default: break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

bool IsMessageBox(HWND window) {
    wchar_t kind[8] = {};
    return GetClassNameW(window, kind, 8) > 0 && lstrcmpW(kind, L"#32770") == 0;
}

void CentreOnScreen(HWND box) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT rect;
    if (!GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
        !GetWindowRect(box, &rect)) {
        return;
    }
    const RECT& area = monitor.rcWork;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(box, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    BoxHook* box = activeBox;
    if (box == nullptr) return 0;
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && box->face) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        // The box itself is the dialog of class #32770 (atom 32770); its children come after it.
        const wchar_t* kind = create->lpcs->lpszClass;
        const bool isBox = IS_INTRESOURCE(kind) ? kind == MAKEINTATOM(32770)
                                                : lstrcmpiW(kind, L"#32770") == 0;
        if (isBox) SetWindowSubclass(window, FaceProc, 1, reinterpret_cast<DWORD_PTR>(box));
    } else if (code == HCBT_ACTIVATE && box->centre && IsMessageBox(window)) {
        // Sized and placed by now, and not yet shown.
        box->centre = false;
        CentreOnScreen(window);
    }
    return CallNextHookEx(box->hook, code, wParam, lParam);
}

}  // namespace

BoxAnswer Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption,
                                    BoxStyle style) {
    BoxHook box;
    box.centre = owner_ == nullptr || !IsWindowVisible(owner_);
    if (face_) {
        box.face = ToColorRef(*face_);
        box.brush = CreateSolidBrush(*box.face);
    }
    BoxHook* const outer = activeBox;
    if (box.face || box.centre) {
        box.hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    }
    activeBox = &box;
    const int answer = MessageBoxW(owner_, Wide(text).c_str(), Wide(caption).c_str(),
                                   static_cast<UINT>(style));
    const DWORD error = GetLastError();
    if (box.hook != nullptr) UnhookWindowsHookEx(box.hook);
    if (box.brush != nullptr) DeleteObject(box.brush);
    activeBox = outer;
    if (answer == 0) throw Failure(SystemMessage(error));
    return static_cast<BoxAnswer>(answer);
}

}  // namespace quire::win32
