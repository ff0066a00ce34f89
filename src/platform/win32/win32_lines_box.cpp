#include "platform/win32/win32_lines_box.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <memory>

namespace quire::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr wchar_t kPendingProperty[] = L"QuireBatchLinesBox";
constexpr UINT kTakeNext = WM_APP + 40;
// About a thousand names: a piece goes in well within a tenth of a second, even under Wine.
constexpr std::size_t kPiece = 16 * 1024;

struct Pending {
    std::wstring text;
    std::size_t taken = 0;
    DWORD at = 0;  // where the next piece goes
    bool Taking() const { return taken < text.size(); }
};

// The box's state, for the calls from outside its procedure.
Pending* PendingOf(HWND box) { return static_cast<Pending*>(GetPropW(box, kPendingProperty)); }

void TakeNext(HWND box, Pending& pending) {
    std::size_t end = std::min(pending.taken + kPiece, pending.text.size());
    if (end < pending.text.size()) {
        const std::size_t lineEnd = pending.text.rfind(L'\n', end - 1);
        if (lineEnd != std::wstring::npos && lineEnd >= pending.taken) end = lineEnd + 1;
    }
    const std::wstring piece = pending.text.substr(pending.taken, end - pending.taken);
    SendMessageW(box, EM_SETSEL, pending.at, pending.at);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
    pending.taken = end;
    pending.at += static_cast<DWORD>(piece.size());
    if (pending.Taking()) {
        PostMessageW(box, kTakeNext, 0, 0);
        return;
    }
    pending = Pending{};
    SendMessageW(box, EM_SETREADONLY, FALSE, 0);
}

// Puts `text` in place of the selection: at once when it is short, else piece by piece.
void Take(HWND box, Pending& pending, std::wstring text) {
    if (text.size() <= kPiece) {
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    DWORD start = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    pending = Pending{std::move(text), 0, start};
    SendMessageW(box, EM_SETREADONLY, TRUE, 0);
    TakeNext(box, pending);
}

std::wstring ClipboardText(HWND box) {
    std::wstring text;
    if (!OpenClipboard(box)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(locked, wcsnlen(locked, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK LinesBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto& pending = *reinterpret_cast<Pending*>(data);
    switch (message) {
        case WM_PASTE:
            if (pending.Taking()) return 0;
            if ((GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0) break;
            Take(box, pending, ClipboardText(box));
            return 0;
        case kTakeNext:
            if (pending.Taking()) TakeNext(box, pending);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, LinesBoxProc, kSubclassId);
            RemovePropW(box, kPendingProperty);
            delete &pending;
            break;
        default: break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void MakeLinesBox(HWND box) {
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    auto pending = std::make_unique<Pending>();
    if (!SetPropW(box, kPendingProperty, pending.get())) return;
    if (!SetWindowSubclass(box, LinesBoxProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(pending.get()))) {
        RemovePropW(box, kPendingProperty);
        return;
    }
    pending.release();  // the box's now: deleted as it goes
}

std::wstring LinesBoxText(HWND box) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    if (const Pending* pending = PendingOf(box); pending != nullptr && pending->Taking()) {
        text.insert(std::min<std::size_t>(pending->at, text.size()),
                    std::wstring_view(pending->text).substr(pending->taken));
    }
    return text;
}

void SetLinesBoxText(HWND box, std::wstring text) {
    Pending* pending = PendingOf(box);
    if (pending == nullptr) {
        SetWindowTextW(box, text.c_str());
        return;
    }
    *pending = Pending{};
    SendMessageW(box, EM_SETREADONLY, FALSE, 0);
    SetWindowTextW(box, text.size() <= kPiece ? text.c_str() : L"");
    if (text.size() > kPiece) Take(box, *pending, std::move(text));
}

}  // namespace quire::win32
