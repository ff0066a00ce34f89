#include "platform/win32/win32_preview_view.h"

#include <oleacc.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>

#include "app/product.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_dialog_parts.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/preview_list.h"

namespace quire::win32 {

Win32PreviewView::Win32PreviewView(HWND owner) : owner_(owner) {
    const INITCOMMONCONTROLSEX lists{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&lists);
    try {
        window_ = MakeCodeDialog(owner, CodeDialogProc<Win32PreviewView>,
                                 reinterpret_cast<LPARAM>(this), product::kPreviewTitle, dpi_);
        CreateControls();
        LayOut();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

// In the order of the keyboard: the totals (a read-only box, so that the keyboard and a screen
// reader reach them), the tick box, the list, then the two buttons.
void Win32PreviewView::CreateControls() {
    HWND dialog = Handle();
    MakeAccessible(
        MakeControl(dialog, L"EDIT", L"", WS_TABSTOP | WS_GROUP | ES_READONLY | ES_AUTOHSCROLL,
                    kPreviewTotalsId),
        ROLE_SYSTEM_STATICTEXT, std::nullopt);
    MakeAccessible(MakeControl(dialog, L"BUTTON", WithKey(product::kPreviewOnlyNotNew, L'o'),
                               WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, kPreviewOnlyNotNewId),
                   ROLE_SYSTEM_CHECKBUTTON, Wide(product::kPreviewOnlyNotNew));
    HWND list = MakeControl(dialog, WC_LISTVIEWW, L"",
                            WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                            kPreviewListId, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (const auto& [column, text] : {std::pair{0, product::kPreviewPathColumn},
                                       std::pair{1, product::kPreviewOutcomeColumn}}) {
        std::wstring title = Wide(text);
        LVCOLUMNW heading{};
        heading.mask = LVCF_TEXT | LVCF_SUBITEM;
        heading.pszText = title.data();
        heading.iSubItem = column;
        if (ListView_InsertColumn(list, column, &heading) < 0) throw LastErrorFailure();
    }
    MakeAccessible(list, ROLE_SYSTEM_LIST, Wide(product::kPreviewListName));
    for (const auto& [id, text, key] : {std::tuple{IDOK, product::kPreviewStart, L'S'},
                                        std::tuple{IDCANCEL, product::kPreviewClose, L'C'}}) {
        MakeAccessible(
            MakeControl(dialog, L"BUTTON", WithKey(text, key),
                        WS_TABSTOP | WS_GROUP | (id == IDCANCEL ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                        id),
            ROLE_SYSTEM_PUSHBUTTON, Wide(text));
    }
    // Enter closes the dialog: a run starts only when asked for by name.
    SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
}

void Win32PreviewView::LayOut() {
    font_ = SetDialogFonts(Handle(), dpi_, [](int) { return false; }).first;

    const Measure measure(Handle(), font_.get(), dpi_);
    const int margin = measure.Margin();
    const int gap = measure.Gap();
    const int line = measure.LineHeight() + measure.Px(4);
    const int startWidth = measure.ButtonWidth(Item(IDOK));
    const int closeWidth = measure.ButtonWidth(Item(IDCANCEL));

    // Room for a path of some depth beside its outcome, and sixteen rows.
    const int width = std::max({measure.Px(560),
                                measure.CheckIndent() + measure.Width(Item(kPreviewOnlyNotNewId)),
                                startWidth + closeWidth + 3 * gap});
    const int listHeight = 17 * (line + measure.Px(2)) + SystemMetricForDpi(SM_CYHSCROLL, dpi_);

    int top = margin;
    Place(Item(kPreviewTotalsId), margin, top, width, line);
    top += line + gap;
    Place(Item(kPreviewOnlyNotNewId), margin, top, width, measure.CheckHeight());
    top += measure.CheckHeight() + gap;
    HWND list = Item(kPreviewListId);
    Place(list, margin, top, width, listHeight);
    const int pathWidth = width * 11 / 20;
    ListView_SetColumnWidth(list, 0, pathWidth);
    ListView_SetColumnWidth(
        list, 1, width - pathWidth - SystemMetricForDpi(SM_CXVSCROLL, dpi_) - measure.Px(4));
    top += listHeight + gap + measure.Px(3);
    const int row = measure.RowHeight();
    Place(Item(IDCANCEL), margin + width - closeWidth, top, closeWidth, row);
    Place(Item(IDOK), margin + width - closeWidth - gap - startWidth, top, startWidth, row);
    top += row + margin;

    SizeClientArea(Handle(), width + 2 * margin, top, dpi_);
}

INT_PTR Win32PreviewView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_COMMAND) {
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        if (message == WM_NOTIFY) {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.idFrom != kPreviewListId || header.code != LVN_GETDISPINFOW) return FALSE;
            FillRow(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
            return TRUE;
        }
        return FollowDisplayChange(Handle(), message, wParam, lParam, dpi_, [this] { LayOut(); })
                   ? TRUE
                   : FALSE;
    } catch (...) {
        // Nothing is thrown across the system's frames: Run throws it again once the dialog ends.
        failure_ = std::current_exception();
        End(false);
        return TRUE;
    }
}

void Win32PreviewView::OnCommand(int id, WORD code) {
    if (list_ == nullptr) return;
    if (id == IDCANCEL) {
        End(false);
    } else if (code != BN_CLICKED) {
        return;
    } else if (id == IDOK) {
        End(true);
    } else if (id == kPreviewOnlyNotNewId) {
        list_->SetOnlyNotNew(SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
        ShowRows();
    }
}

// The row's texts are made here, each time the list draws or reads it, and kept by nobody.
void Win32PreviewView::FillRow(NMLVDISPINFOW& row) const {
    LVITEMW& item = row.item;
    if (list_ == nullptr || (item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr ||
        item.cchTextMax <= 0) {
        return;
    }
    const PreviewList::Shown shown = list_->At(item.iItem);
    const std::wstring text = Wide(item.iSubItem == 0 ? shown.path : shown.outcome);
    lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

void Win32PreviewView::ShowRows() {
    HWND list = Item(kPreviewListId);
    // A list view counts its rows in an int: beyond that the rest are not shown.
    const int rows = static_cast<int>(std::min<std::int64_t>(list_->Rows(), INT_MAX));
    ListView_SetItemCountEx(list, rows, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (rows == 0) return;
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ListView_EnsureVisible(list, 0, FALSE);
}

void Win32PreviewView::End(bool start) {
    start_ = start;
    running_ = false;
}

bool Win32PreviewView::Run(PreviewList& list) {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
    list_ = &list;
    running_ = true;
    start_ = false;
    const std::wstring totals = Wide(list.Totals());
    SetWindowTextW(Item(kPreviewTotalsId), totals.c_str());
    SendMessageW(Item(kPreviewOnlyNotNewId), BM_SETCHECK,
                 list.OnlyNotNew() ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowRows();

    const bool quit = RunModal(owner_, Handle(), Item(kPreviewListId), running_);
    // The list asks nothing more of a preview that is about to go.
    ListView_SetItemCountEx(Item(kPreviewListId), 0, 0);
    list_ = nullptr;
    running_ = false;
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
    return start_ && !quit;
}

}  // namespace quire::win32
