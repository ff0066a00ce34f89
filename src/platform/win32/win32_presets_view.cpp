#include "platform/win32/win32_presets_view.h"

#include <oleacc.h>

#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>

#include "app/product.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_dialog_parts.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

// The caption's letter that Alt takes: both captions start with "Preset".
constexpr wchar_t kCaptionKey = L'P';

// One field named by a label above it, for the name a refusal below it and a tick box, then OK
// and Cancel; OK runs `ok`, which answers whether the dialog may close.
class PresetDialog {
public:
    PresetDialog(HWND owner, std::string_view title, std::string_view caption, bool naming)
        : owner_(owner), naming_(naming) {
        static const EmptyTemplate kTemplate;
        HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &kTemplate.dialog,
                                                 owner, DialogProc, reinterpret_cast<LPARAM>(this));
        if (window == nullptr) throw LastErrorFailure();
        window_ = Window(window);
        SetWindowTextW(window, Wide(title).c_str());
        dpi_ = WindowDpi(window);
        LeaveDialogLayoutToIt(window);
        MakeControl(window, L"STATIC", WithKey(caption, kCaptionKey), SS_LEFT, kPresetCaptionId);
        HWND field = naming
                         ? MakeControl(window, L"EDIT", L"", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
                                       kPresetFieldId, WS_EX_CLIENTEDGE)
                         : MakeControl(window, L"COMBOBOX", L"",
                                       WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                       kPresetFieldId);
        MakeAccessible(field, naming ? ROLE_SYSTEM_TEXT : ROLE_SYSTEM_COMBOBOX, NameOf(caption));
        if (naming) {
            MakeAccessible(
                MakeControl(window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kPresetProblemId),
                ROLE_SYSTEM_STATICTEXT, std::nullopt);
            HWND keep = MakeControl(window, L"BUTTON", WithKey(product::kPresetKeepTarget, L'K'),
                                    WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, kPresetKeepTargetId);
            MakeAccessible(keep, ROLE_SYSTEM_CHECKBUTTON, Wide(product::kPresetKeepTarget));
        }
        for (const auto& [id, text] :
             {std::pair{IDOK, product::kOptionOk}, std::pair{IDCANCEL, product::kOptionCancel}}) {
            MakeAccessible(
                MakeControl(window, L"BUTTON", Wide(text),
                            WS_TABSTOP | WS_GROUP | (id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                            id),
                ROLE_SYSTEM_PUSHBUTTON, Wide(text));
        }
        LayOut();
    }

    HWND Handle() const { return window_.get(); }
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

    // Tells why the name cannot be used below its box, and a screen reader too.
    void SetProblem(const std::string& reason) {
        SetWindowTextW(Item(kPresetProblemId), Wide(reason).c_str());
        SetAccessibleDescription(Item(kPresetFieldId), Wide(reason));
        LayOut();
    }

    // True when OK closed it; rethrows what `ok` threw.
    bool Run(std::function<bool()> ok) {
        ok_ = std::move(ok);
        running_ = true;
        const bool quit = RunModal(owner_, Handle(), Item(kPresetFieldId), running_);
        if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
        return accepted_ && !quit;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            return FALSE;
        }
        auto* self = reinterpret_cast<PresetDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (self == nullptr || !self->running_) return FALSE;
        if (message == WM_DPICHANGED) {
            self->dpi_ = HIWORD(wParam);
            self->LayOut();
            return TRUE;
        }
        if (message != WM_COMMAND) return FALSE;
        const int id = LOWORD(wParam);
        if (id == IDCANCEL) self->running_ = false;
        if (id != IDOK || HIWORD(wParam) != BN_CLICKED) return TRUE;
        try {
            self->accepted_ = self->ok_();
        } catch (...) {
            // Nothing is thrown across the system's frames: Run throws it again.
            self->failure_ = std::current_exception();
            self->accepted_ = false;
        }
        self->running_ = !self->accepted_ && !self->failure_;
        return TRUE;
    }

    void LayOut() {
        std::tie(font_, bold_) =
            SetDialogFonts(Handle(), dpi_, [](int id) { return id == kPresetProblemId; });

        const Measure measure(Handle(), font_.get(), dpi_);
        const int margin = measure.Px(11);
        const int gap = measure.Px(7);
        const int line = measure.LineHeight();
        const int row = std::max(measure.Px(23), line + measure.Px(8));
        const int check = std::max(line, SystemMetricForDpi(SM_CYMENUCHECK, dpi_)) + measure.Px(2);
        const int checkText = SystemMetricForDpi(SM_CXMENUCHECK, dpi_) + measure.Px(8);
        const auto buttonWidth = [&](int id) {
            return std::max(measure.Px(75), measure.Width(Item(id)) + measure.Px(20));
        };
        int width = std::max({measure.Px(300), measure.Width(Item(kPresetCaptionId)),
                              buttonWidth(IDOK) + buttonWidth(IDCANCEL) + gap});
        if (naming_) width = std::max(width, checkText + measure.Width(Item(kPresetKeepTargetId)));

        int top = margin;
        Place(Item(kPresetCaptionId), margin, top, width, line);
        top += line + measure.Px(3);
        if (naming_) {
            Place(Item(kPresetFieldId), margin, top, width, row);
            top += row;
            HWND problem = Item(kPresetProblemId);
            const bool told = GetWindowTextLengthW(problem) > 0;
            ShowWindow(problem, told ? SW_SHOWNA : SW_HIDE);
            if (told) {
                const int height = measure.WrappedHeight(problem, bold_.get(), width);
                Place(problem, margin, top + measure.Px(3), width, height);
                top += measure.Px(3) + height;
            }
            top += gap;
            Place(Item(kPresetKeepTargetId), margin, top, width, check);
            top += check;
        } else {
            // The height given takes the list in; the box itself takes what its font needs.
            Place(Item(kPresetFieldId), margin, top, width, row + 8 * line);
            RECT box;
            GetWindowRect(Item(kPresetFieldId), &box);
            top += box.bottom - box.top;
        }
        top += gap + measure.Px(3);
        const int cancel = buttonWidth(IDCANCEL);
        const int ok = buttonWidth(IDOK);
        Place(Item(IDCANCEL), margin + width - cancel, top, cancel, row);
        Place(Item(IDOK), margin + width - cancel - gap - ok, top, ok, row);
        top += row + margin;
        SizeClientArea(Handle(), width + 2 * margin, top, dpi_);
    }

    HWND owner_;
    bool naming_;
    int dpi_ = 96;
    Font font_;
    Font bold_;  // a refusal stands out in any theme without a colour of its own
    std::function<bool()> ok_;
    bool running_ = false;
    bool accepted_ = false;
    std::exception_ptr failure_;
    Window window_;  // last: goes first, with its controls
};

}  // namespace

std::optional<PresetNameAnswer> Win32PresetsView::AskName(
    const std::function<std::string(const std::string&)>& problem) {
    PresetDialog dialog(owner_, product::kPresetSaveTitle, product::kPresetNameLabel, true);
    SendMessageW(dialog.Item(kPresetFieldId), EM_SETLIMITTEXT, 0, 0);
    std::string name;
    const bool accepted = dialog.Run([&] {
        name = Utf8(WindowTextOf(dialog.Item(kPresetFieldId)));
        const std::string reason = problem(name);
        dialog.SetProblem(reason);
        if (reason.empty()) return true;
        SendMessageW(dialog.Handle(), WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(dialog.Item(kPresetFieldId)), TRUE);
        return false;
    });
    if (!accepted) return std::nullopt;
    return PresetNameAnswer{
        name, SendMessageW(dialog.Item(kPresetKeepTargetId), BM_GETCHECK, 0, 0) == BST_CHECKED};
}

std::optional<std::size_t> Win32PresetsView::ChoosePreset(const std::vector<std::string>& names) {
    PresetDialog dialog(owner_, product::kPresetDeleteTitle, product::kPresetDeleteLabel, false);
    HWND list = dialog.Item(kPresetFieldId);
    for (const std::string& name : names) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    if (!dialog.Run([] { return true; })) return std::nullopt;
    const LRESULT chosen = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= names.size()) return std::nullopt;
    return static_cast<std::size_t>(chosen);
}

}  // namespace quire::win32
