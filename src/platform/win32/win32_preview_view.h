// The Preview dialog in plain Win32, made in code as the Options dialog is: the totals above a
// virtual list view (LVS_OWNERDATA) whose rows are asked for as they are drawn, so that a million
// rows hold no memory of their own. The dialog manager gives it Tab, the Alt keys, Enter for
// "Close" and Esc.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "platform/win32/win32_handles.h"
#include "ui/preview_view.h"

namespace quire::win32 {

// The dialog's child-window ids; "Start Creating Folders" is IDOK and "Close" IDCANCEL.
inline constexpr int kPreviewTotalsId = 100;
inline constexpr int kPreviewOnlyNotNewId = 101;
inline constexpr int kPreviewListId = 102;

class Win32PreviewView final : public PreviewView {
public:
    // Makes the dialog, hidden, owned by `owner`. A dialog that cannot be made is reported by Run.
    explicit Win32PreviewView(HWND owner);
    ~Win32PreviewView() override = default;
    Win32PreviewView(const Win32PreviewView&) = delete;
    Win32PreviewView& operator=(const Win32PreviewView&) = delete;

    // Shows the dialog with the owner disabled until it closes. Throws Failure when it could not
    // be made, and what reading a row threw.
    bool Run(PreviewList& list) override;

    HWND Handle() const { return window_.get(); }
    // The resolution the dialog is laid out for.
    int Dpi() const { return dpi_; }

    // For CodeDialogProc.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Release() { window_.release(); }

private:
    void OnCommand(int id, WORD code);
    void CreateControls();
    // Places and sizes every control at dpi_, and the dialog round them.
    void LayOut();
    // Tells the list how many rows there are now, the first one current.
    void ShowRows();
    void FillRow(NMLVDISPINFOW& row) const;
    void End(bool start);
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

    HWND owner_;
    int dpi_ = 96;
    Font font_;
    PreviewList* list_ = nullptr;  // while it runs
    bool running_ = false;
    bool start_ = false;
    std::exception_ptr failure_;  // a procedure's, thrown again by Run
    Window window_;               // last: goes first, with its controls
};

}  // namespace quire::win32
