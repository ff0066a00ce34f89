#include "platform/win32/win32_dialogs.h"

#include <commctrl.h>

#include "engine/failure.h"
#include "platform/win32/win32_gdi_colours.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_high_contrast.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

// MessageBoxW offers no colours: while a skinned box is shown, a hook on this thread catches the
// box's creation and subclasses it so that its face and texts take the skin's colour, and its
// texts one that reads on that face.
// In this order so that the hook is removed before the brush it hands out is deleted.
struct FacedBox {
    COLORREF face = 0;
    COLORREF text = 0;
    Brush brush;
    Hook hook;
};
thread_local FacedBox* activeBox = nullptr;

LRESULT CALLBACK FaceProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    const auto* faced = reinterpret_cast<const FacedBox*>(data);
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wParam), faced->face);
            SetTextColor(reinterpret_cast<HDC>(wParam), faced->text);
            return reinterpret_cast<LRESULT>(faced->brush.get());
        case WM_NCDESTROY: RemoveWindowSubclass(box, FaceProc, 1); break;
        default: break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    FacedBox* faced = activeBox;
    if (faced == nullptr) return 0;
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        // The box itself is the dialog of class #32770 (atom 32770); its children come after it.
        const wchar_t* kind = create->lpcs->lpszClass;
        const bool isBox =
            IS_INTRESOURCE(kind) ? kind == MAKEINTATOM(32770) : lstrcmpiW(kind, L"#32770") == 0;
        if (isBox) {
            SetWindowSubclass(reinterpret_cast<HWND>(wParam), FaceProc, 1,
                              reinterpret_cast<DWORD_PTR>(faced));
        }
    }
    return CallNextHookEx(faced->hook.get(), code, wParam, lParam);
}

}  // namespace

Win32Dialogs::Win32Dialogs(HWND owner, std::function<bool()> highContrast)
    : owner_(owner), highContrast_(highContrast ? std::move(highContrast) : HighContrastOn) {}

BoxAnswer Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption,
                                    BoxStyle style) {
    // Made before the box is faced: from there until the outer box is active again nothing throws.
    const std::wstring wideText = Wide(text);
    const std::wstring wideCaption = Wide(caption);
    FacedBox faced;
    FacedBox* const outer = activeBox;
    if (face_ && !highContrast_()) {
        faced.face = ToColorRef(*face_);
        faced.text = ReadableOn(*face_, colour::kWindowText);
        faced.brush = Brush(CreateSolidBrush(faced.face));
        faced.hook = Hook(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()));
        activeBox = &faced;
    }
    const int answer =
        MessageBoxW(owner_, wideText.c_str(), wideCaption.c_str(), static_cast<UINT>(style));
    const DWORD error = GetLastError();
    activeBox = outer;
    if (answer == 0) throw Failure(SystemMessage(error));
    return static_cast<BoxAnswer>(answer);
}

}  // namespace quire::win32
