// The Options dialog in plain Win32: a dialog made in code, laid out from its font's measures at
// its monitor's resolution, in the system's colours; the dialog manager gives it Tab, the Alt
// keys, Enter for OK and Esc for Cancel. Its events go to the dialog's procedures
// (ui/options_dialog.h).
#pragma once

#include <windows.h>

#include <array>
#include <exception>
#include <string>

#include "platform/win32/win32_handles.h"
#include "ui/options_view.h"

namespace quire::win32 {

// The dialog's child-window ids: a field's, the label that names it and the text beside it that
// tells its problem.
inline constexpr int kOptionsResetId = 10;
inline constexpr int kOptionsBrowseId = 11;
constexpr int OptionFieldId(OptionField field) { return 100 + static_cast<int>(field); }
constexpr int OptionCaptionId(OptionField field) { return 200 + static_cast<int>(field); }
constexpr int OptionProblemId(OptionField field) { return 300 + static_cast<int>(field); }

class Win32OptionsView final : public OptionsView {
public:
    // Makes the dialog, hidden, owned by `owner`. A dialog that cannot be made is reported by Run.
    explicit Win32OptionsView(HWND owner);
    ~Win32OptionsView() override = default;
    Win32OptionsView(const Win32OptionsView&) = delete;
    Win32OptionsView& operator=(const Win32OptionsView&) = delete;

    // Shows the dialog with the owner disabled until it closes. Throws Failure when it could not
    // be made, and what a procedure threw.
    bool Run(OptionsDialog& dialog) override;
    std::string Text(OptionField field) const override;
    void SetText(OptionField field, const std::string& text) override;
    bool Checked(OptionField field) const override;
    void SetChecked(OptionField field, bool checked) override;
    CounterStyle Style() const override;
    void SetStyle(CounterStyle style) override;
    void SetShown(OptionField field, bool shown) override;
    void SetProblem(OptionField field, const std::string& reason) override;
    void Focus(OptionField field) override;

    HWND Handle() const { return window_.get(); }
    // The resolution the dialog is laid out for.
    int Dpi() const { return dpi_; }

    // For CodeDialogProc.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Release() { window_.release(); }

private:
    static constexpr std::size_t kFields = static_cast<std::size_t>(OptionField::Portable) + 1;
    static std::size_t Index(OptionField field) { return static_cast<std::size_t>(field); }

    void OnCommand(int id, WORD code);
    void CreateControls();
    // Places and sizes every control at dpi_ for what is shown now, and the dialog round them.
    void LayOut();
    void End(bool accepted);
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }
    HWND Field(OptionField field) const { return Item(OptionFieldId(field)); }

    HWND owner_;
    int dpi_ = 96;
    Font font_;
    Font problemFont_;  // bold: a problem stands out in any theme without a colour of its own
    std::array<bool, kFields> shown_{};
    OptionsDialog* dialog_ = nullptr;  // while it runs
    bool running_ = false;
    bool accepted_ = false;
    std::exception_ptr failure_;  // a procedure's, thrown again by Run
    Window window_;               // last: goes first, with its controls
};

}  // namespace quire::win32
