// What the window's own dialogs made in code (Options, the presets' name and choice) share: an
// empty template, their controls, the measures they are laid out by, and the modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

inline constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
inline constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// A dialog without controls: they are made and placed in code, at the monitor's resolution.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE dialog{kDialogStyle, kDialogExStyle, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

// The text with `key` marked for Alt (its first occurrence); an "&" of the text is shown as one.
std::wstring WithKey(std::string_view text, wchar_t key);

// A caption as a screen reader says the field it names: without its closing colon.
std::wstring NameOf(std::string_view caption);

std::wstring WindowTextOf(HWND control);

// A visible child control of `dialog`; throws Failure when it cannot be made.
HWND MakeControl(HWND dialog, const wchar_t* kind, const std::wstring& text, DWORD style, int id,
                 DWORD exStyle = 0);

// Gives every child of `dialog` the message font at `dpi`, those `bold` picks by their id its bold
// form (a refusal stands out so in any theme without a colour of its own); the two fonts, to be
// kept while the controls use them. Throws Failure when they cannot be made.
std::pair<Font, Font> SetDialogFonts(HWND dialog, int dpi, const std::function<bool(int)>& bold);

void Place(HWND control, int left, int top, int width, int height);

// Sizes in the font at hand, for laying out.
class Measure {
public:
    Measure(HWND window, HFONT font, int dpi);

    int Px(int pixelsAt96) const;
    int LineHeight() const { return metrics_.tmHeight; }
    // The dialogs' common measures: round the dialog, between controls, a box's or a button's
    // height, a tick box's height and the room its box takes before its text.
    int Margin() const { return Px(11); }
    int Gap() const { return Px(7); }
    int RowHeight() const;
    int CheckHeight() const;
    int CheckIndent() const;
    // A push button's width: its text with room round it, never narrower than the usual button.
    int ButtonWidth(HWND button) const;
    // The width of the control's text on one line.
    int Width(HWND control) const;
    // The height of the control's text wrapped at `width`, in `font`.
    int WrappedHeight(HWND control, HFONT font, int width) const;

private:
    WindowDc dc_;
    SelectedObject selected_;
    TEXTMETRICW metrics_{};
    int dpi_;
};

// The dialog procedure of a dialog made in code by `View`: the view is the dialog's own data from
// WM_INITDIALOG on (CreateDialogIndirectParamW's last argument), lets go of its window when it is
// destroyed (View::Release) and answers every other message (View::OnMessage).
template <class View>
INT_PTR CALLBACK CodeDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;  // the focus is put where the view's Run puts it
    }
    auto* view = reinterpret_cast<View*>(GetWindowLongPtrW(window, DWLP_USER));
    if (view == nullptr) return FALSE;
    if (message == WM_DESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        view->Release();
        return FALSE;
    }
    return view->OnMessage(message, wParam, lParam);
}

// A dialog made in code, hidden, owned by `owner`, titled `title`, its procedure given `view`;
// `dpi` takes its monitor's resolution, which the caller lays it out for. Throws Failure when it
// cannot be made.
Window MakeCodeDialog(HWND owner, DLGPROC procedure, LPARAM view, std::string_view title, int& dpi);

// Follows a new resolution (WM_DPICHANGED: `dpi` takes it, the dialog moves where Windows
// suggests) or a new message font (WM_SETTINGCHANGE) by laying the dialog out again; false for
// any other message.
bool FollowDisplayChange(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int& dpi,
                         const std::function<void()>& layOut);

// Sizes the dialog so that its client area is `width` x `height` at `dpi`.
void SizeClientArea(HWND dialog, int width, int height, int dpi);

// Shows `dialog` centred on `owner` inside its monitor's work area, the owner disabled, the focus
// on `focus`, and runs its messages until `running` turns false or the dialog goes; hides it
// then. True when the program's quit message came meanwhile (it is posted again for the main
// loop).
bool RunModal(HWND owner, HWND dialog, HWND focus, const bool& running);

}  // namespace quire::win32
