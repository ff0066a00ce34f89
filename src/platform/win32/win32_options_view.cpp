#include "platform/win32/win32_options_view.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/product.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_dialog_parts.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_lines_box.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/options_dialog.h"

namespace quire::win32 {
namespace {

constexpr std::array<std::pair<CounterStyle, std::string_view>, 3> kStyles{{
    {CounterStyle::Numbers, product::kStyleNumbers},
    {CounterStyle::CapitalLetters, product::kStyleCapitals},
    {CounterStyle::SmallLetters, product::kStyleSmall},
}};

// What names each field on screen, the letter that Alt takes there, and its role for a screen
// reader; the list's box is named only for the screen reader, the check box above it naming it.
struct FieldLook {
    OptionField field;
    std::string_view caption;
    wchar_t key;
    LONG role;
};
constexpr std::array<FieldLook, 10> kFieldLooks{{
    {OptionField::Start, product::kOptionStart, L'F', ROLE_SYSTEM_TEXT},
    {OptionField::Step, product::kOptionStep, L'S', ROLE_SYSTEM_TEXT},
    {OptionField::Style, product::kOptionStyle, L'C', ROLE_SYSTEM_COMBOBOX},
    {OptionField::Continue, product::kOptionContinue, L'o', ROLE_SYSTEM_CHECKBUTTON},
    {OptionField::Each, product::kOptionEach, L'u', ROLE_SYSTEM_TEXT},
    {OptionField::Template, product::kOptionTemplate, L'T', ROLE_SYSTEM_TEXT},
    {OptionField::Listed, product::kOptionListed, L'N', ROLE_SYSTEM_CHECKBUTTON},
    {OptionField::Names, product::kOptionNames, 0, ROLE_SYSTEM_TEXT},
    {OptionField::ListNote, product::kOptionListNote, 0, ROLE_SYSTEM_STATICTEXT},
    {OptionField::Portable, product::kOptionPortable, L'W', ROLE_SYSTEM_CHECKBUTTON},
}};

const FieldLook& LookOf(OptionField field) { return kFieldLooks[static_cast<std::size_t>(field)]; }

bool IsCheckBox(OptionField field) {
    return field == OptionField::Continue || field == OptionField::Listed ||
           field == OptionField::Portable;
}
bool IsLinesBox(OptionField field) {
    return field == OptionField::Each || field == OptionField::Names;
}
// The fields with a label of their own before them.
bool HasCaption(OptionField field) {
    return !IsCheckBox(field) && field != OptionField::Names && field != OptionField::ListNote;
}

// The boxes of lines hold CR LF where the core's text has LF.
std::wstring WithCrLf(std::string_view text) {
    std::wstring wide = Wide(text);
    std::wstring out;
    out.reserve(wide.size() + wide.size() / 8);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) out += L'\r';
        out += wide[i];
    }
    return out;
}

std::wstring WithLf(std::wstring text) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
    return text;
}

}  // namespace

Win32OptionsView::Win32OptionsView(HWND owner) : owner_(owner) {
    shown_.fill(true);
    try {
        window_ = MakeCodeDialog(owner, CodeDialogProc<Win32OptionsView>,
                                 reinterpret_cast<LPARAM>(this), product::kOptionsTitle, dpi_);
        CreateControls();
        LayOut();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

// In the order of the keyboard: a label comes just before the field it names, which Alt with the
// label's letter then reaches, and which a screen reader finds named by it.
void Win32OptionsView::CreateControls() {
    HWND dialog = Handle();
    const auto caption = [&](OptionField field) {
        MakeControl(dialog, L"STATIC", WithKey(LookOf(field).caption, LookOf(field).key), SS_LEFT,
                    OptionCaptionId(field));
    };
    const auto problem = [&](OptionField field) {
        MakeAccessible(
            MakeControl(dialog, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, OptionProblemId(field)),
            ROLE_SYSTEM_STATICTEXT, std::nullopt);
    };
    const auto field = [&](OptionField id, const wchar_t* kind, DWORD style, DWORD exStyle) {
        const FieldLook& look = LookOf(id);
        const std::wstring text = IsCheckBox(id) || id == OptionField::ListNote
                                      ? WithKey(look.caption, look.key)
                                      : std::wstring();
        HWND control = MakeControl(dialog, kind, text, style, OptionFieldId(id), exStyle);
        MakeAccessible(control, look.role, NameOf(look.caption));
        return control;
    };
    const auto button = [&](int id, std::string_view text, wchar_t key, std::string_view name,
                            DWORD style) {
        MakeAccessible(
            MakeControl(dialog, L"BUTTON", WithKey(text, key), WS_TABSTOP | WS_GROUP | style, id),
            ROLE_SYSTEM_PUSHBUTTON, Wide(name));
    };
    constexpr DWORD kBox = WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
    constexpr DWORD kLines =
        kBox | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
    constexpr DWORD kCheck = WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;

    caption(OptionField::Start);
    field(OptionField::Start, L"EDIT", kBox, WS_EX_CLIENTEDGE);
    problem(OptionField::Start);
    caption(OptionField::Step);
    field(OptionField::Step, L"EDIT", kBox, WS_EX_CLIENTEDGE);
    problem(OptionField::Step);
    caption(OptionField::Style);
    HWND styles = field(OptionField::Style, L"COMBOBOX",
                        WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST, 0);
    for (const auto& [style, text] : kStyles) {
        SendMessageW(styles, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    }
    field(OptionField::Continue, L"BUTTON", kCheck, 0);
    problem(OptionField::Continue);
    caption(OptionField::Each);
    field(OptionField::Each, L"EDIT", kLines, WS_EX_CLIENTEDGE);
    problem(OptionField::Each);
    caption(OptionField::Template);
    field(OptionField::Template, L"EDIT", kBox, WS_EX_CLIENTEDGE);
    button(kOptionsBrowseId, product::kOptionBrowse, L'B', product::kOptionBrowseName,
           BS_PUSHBUTTON);
    problem(OptionField::Template);
    field(OptionField::Listed, L"BUTTON", kCheck, 0);
    field(OptionField::Names, L"EDIT", kLines, WS_EX_CLIENTEDGE);
    field(OptionField::ListNote, L"STATIC", SS_LEFT, 0);
    problem(OptionField::Names);
    field(OptionField::Portable, L"BUTTON", kCheck, 0);
    button(kOptionsResetId, product::kOptionReset, L'R', product::kOptionReset, BS_PUSHBUTTON);
    button(IDOK, product::kOptionOk, 0, product::kOptionOk, BS_DEFPUSHBUTTON);
    button(IDCANCEL, product::kOptionCancel, 0, product::kOptionCancel, BS_PUSHBUTTON);

    // No limit of our own: the edit's default would cut a pasted path at 30,000 characters.
    for (const OptionField box : {OptionField::Start, OptionField::Step, OptionField::Template}) {
        SendMessageW(Field(box), EM_SETLIMITTEXT, 0, 0);
    }
    MakeLinesBox(Field(OptionField::Each));
    MakeLinesBox(Field(OptionField::Names));
}

void Win32OptionsView::LayOut() {
    std::tie(font_, problemFont_) = SetDialogFonts(Handle(), dpi_, [](int id) {
        return id >= OptionProblemId(OptionField::Start) &&
               id <= OptionProblemId(OptionField::Portable);
    });

    const Measure measure(Handle(), font_.get(), dpi_);
    const int margin = measure.Px(11);
    const int gap = measure.Px(7);
    const int tight = measure.Px(3);
    const int line = measure.LineHeight();
    const int row = std::max(measure.Px(23), line + measure.Px(8));
    const int check = std::max(line, SystemMetricForDpi(SM_CYMENUCHECK, dpi_)) + measure.Px(2);
    const int checkText = SystemMetricForDpi(SM_CXMENUCHECK, dpi_) + measure.Px(8);
    const int lines = 4 * line + measure.Px(6) + SystemMetricForDpi(SM_CYHSCROLL, dpi_);
    const auto buttonWidth = [&](int id) {
        return std::max(measure.Px(75), measure.Width(Item(id)) + measure.Px(20));
    };

    // As wide as the widest line that is never wrapped.
    int label = 0;
    for (const OptionField field : {OptionField::Start, OptionField::Step, OptionField::Style}) {
        label = std::max(label, measure.Width(Item(OptionCaptionId(field))));
    }
    int width = std::max(measure.Px(380), label + gap + measure.Px(160));
    for (const OptionField field : {OptionField::Each, OptionField::Template}) {
        width = std::max(width, measure.Width(Item(OptionCaptionId(field))));
    }
    for (const OptionField field :
         {OptionField::Continue, OptionField::Listed, OptionField::Portable}) {
        if (shown_[Index(field)]) width = std::max(width, checkText + measure.Width(Field(field)));
    }
    const int okWidth = buttonWidth(IDOK);
    const int cancelWidth = buttonWidth(IDCANCEL);
    const int resetWidth = buttonWidth(kOptionsResetId);
    width = std::max(width, resetWidth + okWidth + cancelWidth + 3 * gap);

    int top = margin;
    const auto problemRow = [&](OptionField field, int left) {
        HWND problem = Item(OptionProblemId(field));
        const bool shown = shown_[Index(field)] && GetWindowTextLengthW(problem) > 0;
        ShowWindow(problem, shown ? SW_SHOWNA : SW_HIDE);
        if (!shown) return;
        const int height =
            measure.WrappedHeight(problem, problemFont_.get(), margin + width - left);
        Place(problem, left, top + tight, margin + width - left, height);
        top += tight + height;
    };
    const auto show = [&](OptionField field) {
        const int visible = shown_[Index(field)] ? SW_SHOWNA : SW_HIDE;
        ShowWindow(Field(field), visible);
        if (HasCaption(field)) ShowWindow(Item(OptionCaptionId(field)), visible);
        return shown_[Index(field)];
    };
    const int fieldLeft = margin + label + gap;
    for (const OptionField field : {OptionField::Start, OptionField::Step, OptionField::Style}) {
        if (!show(field)) continue;
        int height = row;
        if (field == OptionField::Style) {
            // The height given takes the list in; the box itself takes what its font needs.
            Place(Field(field), fieldLeft, top, margin + width - fieldLeft, row + 6 * line);
            RECT box;
            GetWindowRect(Field(field), &box);
            height = box.bottom - box.top;
        } else {
            Place(Field(field), fieldLeft, top, margin + width - fieldLeft, row);
        }
        Place(Item(OptionCaptionId(field)), margin, top + (height - line) / 2, label, line);
        top += height;
        problemRow(field, fieldLeft);
        top += gap;
    }
    const auto checkRow = [&](OptionField field) {
        if (!show(field)) return;
        Place(Field(field), margin, top, width, check);
        top += check;
    };
    const auto captionRow = [&](OptionField field) {
        Place(Item(OptionCaptionId(field)), margin, top, width, line);
        top += line + tight;
    };
    checkRow(OptionField::Continue);
    problemRow(OptionField::Continue, margin);
    top += gap;
    if (show(OptionField::Each)) {
        captionRow(OptionField::Each);
        Place(Field(OptionField::Each), margin, top, width, lines);
        top += lines;
        problemRow(OptionField::Each, margin);
        top += gap;
    }
    if (show(OptionField::Template)) {
        captionRow(OptionField::Template);
        const int browse = buttonWidth(kOptionsBrowseId);
        Place(Field(OptionField::Template), margin, top, width - gap - browse, row);
        Place(Item(kOptionsBrowseId), margin + width - browse, top, browse, row);
        top += row;
        problemRow(OptionField::Template, margin);
        top += gap;
    }
    checkRow(OptionField::Listed);
    if (show(OptionField::Names)) {
        top += tight;
        Place(Field(OptionField::Names), margin, top, width, lines);
        top += lines;
    }
    if (show(OptionField::ListNote)) {
        HWND note = Field(OptionField::ListNote);
        const int height = measure.WrappedHeight(note, font_.get(), width);
        Place(note, margin, top + tight, width, height);
        top += tight + height;
    }
    problemRow(OptionField::Names, margin);
    top += gap;
    if (shown_[Index(OptionField::Portable)]) {
        checkRow(OptionField::Portable);
        top += gap;
    } else {
        show(OptionField::Portable);
    }

    top += tight;
    Place(Item(kOptionsResetId), margin, top, resetWidth, row);
    Place(Item(IDCANCEL), margin + width - cancelWidth, top, cancelWidth, row);
    Place(Item(IDOK), margin + width - cancelWidth - gap - okWidth, top, okWidth, row);
    top += row + margin;

    SizeClientArea(Handle(), width + 2 * margin, top, dpi_);
}

INT_PTR Win32OptionsView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_COMMAND) {
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        if (FollowDisplayChange(Handle(), message, wParam, lParam, dpi_, [this] { LayOut(); })) {
            return TRUE;
        }
    } catch (...) {
        // Nothing is thrown across the system's frames: Run throws it again once the dialog ends.
        failure_ = std::current_exception();
        End(false);
        return TRUE;
    }
    return FALSE;
}

void Win32OptionsView::OnCommand(int id, WORD code) {
    if (dialog_ == nullptr) return;
    if (id == IDCANCEL) {
        End(false);
    } else if (code != BN_CLICKED) {
        return;
    } else if (id == IDOK) {
        if (dialog_->OK_Click()) End(true);
    } else if (id == kOptionsResetId) {
        dialog_->Reset_Click();
    } else if (id == kOptionsBrowseId) {
        dialog_->Browse_Click();
    } else if (id == OptionFieldId(OptionField::Listed)) {
        dialog_->Listed_Change();
    }
}

void Win32OptionsView::End(bool accepted) {
    accepted_ = accepted;
    running_ = false;
}

bool Win32OptionsView::Run(OptionsDialog& dialog) {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
    dialog_ = &dialog;
    running_ = true;
    accepted_ = false;

    const bool quit = RunModal(owner_, Handle(), Field(OptionField::Start), running_);
    dialog_ = nullptr;
    running_ = false;
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
    return accepted_ && !quit;
}

std::string Win32OptionsView::Text(OptionField field) const {
    if (IsLinesBox(field)) return Utf8(WithLf(LinesBoxText(Field(field))));
    return Utf8(WindowTextOf(Field(field)));
}

void Win32OptionsView::SetText(OptionField field, const std::string& text) {
    if (IsLinesBox(field)) {
        SetLinesBoxText(Field(field), WithCrLf(text));
    } else {
        SetWindowTextW(Field(field), Wide(text).c_str());
    }
}

bool Win32OptionsView::Checked(OptionField field) const {
    return SendMessageW(Field(field), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32OptionsView::SetChecked(OptionField field, bool checked) {
    SendMessageW(Field(field), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

CounterStyle Win32OptionsView::Style() const {
    const LRESULT index = SendMessageW(Field(OptionField::Style), CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= kStyles.size()) {
        return CounterStyle::Numbers;
    }
    return kStyles[static_cast<std::size_t>(index)].first;
}

void Win32OptionsView::SetStyle(CounterStyle style) {
    for (std::size_t i = 0; i < kStyles.size(); ++i) {
        if (kStyles[i].first == style) {
            SendMessageW(Field(OptionField::Style), CB_SETCURSEL, i, 0);
        }
    }
}

void Win32OptionsView::SetShown(OptionField field, bool shown) {
    if (shown_[Index(field)] == shown) return;
    shown_[Index(field)] = shown;
    LayOut();
}

void Win32OptionsView::SetProblem(OptionField field, const std::string& reason) {
    HWND problem = Item(OptionProblemId(field));
    if (problem == nullptr || WindowTextOf(problem) == Wide(reason)) return;
    SetWindowTextW(problem, Wide(reason).c_str());
    SetAccessibleDescription(Field(field), Wide(reason));
    LayOut();
}

void Win32OptionsView::Focus(OptionField field) {
    SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(field)), TRUE);
}

}  // namespace quire::win32
