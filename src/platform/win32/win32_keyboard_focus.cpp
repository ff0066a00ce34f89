#include "platform/win32/win32_keyboard_focus.h"

#include <algorithm>

#include "platform/win32/win32_window_ids.h"
#include "ui/form1_design.h"

namespace quire::win32 {

ControlId NextTabStop(ControlId current, bool backwards) {
    const auto order = Form1TabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::find(order.begin(), order.end(), current);
    if (found == order.end()) return backwards ? order.back() : order.front();
    const std::ptrdiff_t here = found - order.begin();
    const std::ptrdiff_t step = backwards ? count - 1 : 1;
    return order[static_cast<std::size_t>((here + step) % count)];
}

bool HandleTabKey(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const ControlId current = ControlOf(GetFocus()).value_or(ControlId::Form1);
    HWND next = GetDlgItem(window, WindowId(NextTabStop(current, backwards)));
    if (next == nullptr) return false;
    SetFocus(next);
    // As in a dialog: a box reached with Tab has its text selected.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
    return true;
}

}  // namespace quire::win32
