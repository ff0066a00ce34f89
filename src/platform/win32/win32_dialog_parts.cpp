#include "platform/win32/win32_dialog_parts.h"

#include <algorithm>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {

std::wstring WithKey(std::string_view text, wchar_t key) {
    std::wstring marked;
    bool keyed = key == 0;
    for (const wchar_t c : Wide(text)) {
        if (c == L'&') marked += L'&';
        if (!keyed && c == key) {
            marked += L'&';
            keyed = true;
        }
        marked += c;
    }
    return marked;
}

std::wstring NameOf(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    return Wide(caption);
}

std::wstring WindowTextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND MakeControl(HWND dialog, const wchar_t* kind, const std::wstring& text, DWORD style, int id,
                 DWORD exStyle) {
    HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                                   0, 0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) throw LastErrorFailure();
    return control;
}

std::pair<Font, Font> SetDialogFonts(HWND dialog, int dpi, const std::function<bool(int)>& bold) {
    LOGFONTW logical = MessageFontForDpi(dpi);
    Font plain(CreateFontIndirectW(&logical));
    logical.lfWeight = FW_BOLD;
    Font heavy(CreateFontIndirectW(&logical));
    if (!plain || !heavy) throw LastErrorFailure();
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const HFONT font = bold(GetDlgCtrlID(child)) ? heavy.get() : plain.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return {std::move(plain), std::move(heavy)};
}

void Place(HWND control, int left, int top, int width, int height) {
    SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Measure::Measure(HWND window, HFONT font, int dpi)
    : dc_(window), selected_(dc_.get(), font), dpi_(dpi) {
    GetTextMetricsW(dc_.get(), &metrics_);
}

int Measure::Px(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi_, kDesignDpi); }

int Measure::RowHeight() const { return std::max(Px(23), LineHeight() + Px(8)); }

int Measure::CheckHeight() const {
    return std::max(LineHeight(), SystemMetricForDpi(SM_CYMENUCHECK, dpi_)) + Px(2);
}

int Measure::CheckIndent() const { return SystemMetricForDpi(SM_CXMENUCHECK, dpi_) + Px(8); }

int Measure::ButtonWidth(HWND button) const { return std::max(Px(75), Width(button) + Px(20)); }

int Measure::Width(HWND control) const {
    const std::wstring text = WindowTextOf(control);
    RECT rect{};
    DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE);
    return rect.right;
}

int Measure::WrappedHeight(HWND control, HFONT font, int width) const {
    const SelectedObject inFont(dc_.get(), font);
    const std::wstring text = WindowTextOf(control);
    RECT rect{0, 0, width, 0};
    DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return rect.bottom;
}

void SizeClientArea(HWND dialog, int width, int height, int dpi) {
    const RECT outer = OuterRectForDpi(width, height, kDialogStyle, kDialogExStyle, dpi);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The border drawn may not be the one reckoned (Wine keeps the system's): the client area
    // is measured and the dialog corrected to it.
    RECT client;
    GetClientRect(dialog, &client);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                 outer.bottom - outer.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(dialog, nullptr, TRUE);
}

Window MakeCodeDialog(HWND owner, DLGPROC procedure, LPARAM view, std::string_view title,
                      int& dpi) {
    static const EmptyTemplate kTemplate;
    Window dialog(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &kTemplate.dialog, owner,
                                             procedure, view));
    if (!dialog) throw LastErrorFailure();
    SetWindowTextW(dialog.get(), Wide(title).c_str());
    dpi = WindowDpi(dialog.get());
    LeaveDialogLayoutToIt(dialog.get());
    return dialog;
}

bool FollowDisplayChange(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int& dpi,
                         const std::function<void()>& layOut) {
    if (message == WM_DPICHANGED) {
        dpi = HIWORD(wParam);
        layOut();
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(dialog, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS) {
        layOut();
        return false;  // the message goes on to the dialog's default handling
    }
    return false;
}

bool RunModal(HWND owner, HWND dialog, HWND focus, const bool& running) {
    RECT around{};
    RECT own{};
    GetWindowRect(owner, &around);
    GetWindowRect(dialog, &own);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    const LONG left = std::clamp((around.left + around.right - width) / 2, work.left,
                                 std::max(work.left, work.right - width));
    const LONG top = std::clamp((around.top + around.bottom - height) / 2, work.top,
                                std::max(work.top, work.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const bool ownerEnabled = IsWindowEnabled(owner) != FALSE;
    EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    MSG message{};
    bool quit = false;
    while (running && IsWindow(dialog)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The window is enabled before the dialog goes, so that it is the one activated.
    if (ownerEnabled) EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
    return quit;
}

}  // namespace quire::win32
