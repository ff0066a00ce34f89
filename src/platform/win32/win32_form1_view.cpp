#include "platform/win32/win32_form1_view.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/product.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_cursor_file.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_frame.h"
#include "platform/win32/win32_icons.h"
#include "platform/win32/win32_options_view.h"
#include "platform/win32/win32_presets_menu.h"
#include "platform/win32/win32_preview_view.h"
#include "platform/win32/win32_resource_ids.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "ui/accessible_names.h"
#include "ui/form1.h"
#include "ui/form1_design.h"

namespace quire::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuireBatchForm1";
// Fixed single border with a title bar, the system menu and the minimise button only.
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW;

RECT PixelRect(const TwipRect& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return RECT{left, top, left + TwipsToPixels(twips.width, dpi),
                top + TwipsToPixels(twips.height, dpi)};
}

Font CreateDesignFont(const FontDesign& design, int dotsPerInch) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(design.points * dotsPerInch / 72.0));
    font.lfWeight = design.weight;
    font.lfItalic = design.italic ? TRUE : FALSE;
    font.lfUnderline = design.underline ? TRUE : FALSE;
    font.lfStrikeOut = design.strikeout ? TRUE : FALSE;
    font.lfCharSet = static_cast<BYTE>(design.charset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = Wide(design.face);
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return Font(CreateFontIndirectW(&font));
}

// Passes a text box's mouse moves on to the main window.
LRESULT CALLBACK TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR) {
    if (message == WM_MOUSEMOVE) {
        SendMessageW(GetParent(box), kControlMouseMove, static_cast<WPARAM>(GetDlgCtrlID(box)), 0);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, TextBoxProc, id);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW kind{};
    if (GetClassInfoExW(instance, kWindowClass, &kind)) return;
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = DefWindowProcW;  // replaced by the window's own procedure at creation
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.lpszClassName = kWindowClass;
    RegisterClassExW(&kind);
}

UINT MenuState(bool offered) { return offered ? UINT{MF_ENABLED} : UINT{MF_GRAYED}; }

// "Preview..." with its key at the right, as menus show keys.
std::wstring PreviewEntry() {
    return Wide(product::kPreviewMenuEntry) + L'\t' + Wide(product::kPreviewShortcut);
}

[[noreturn]] void EndProcess() { ExitProcess(0); }

std::wstring ShownText(const std::string& text) {
    std::wstring shown = Wide(text);
    std::replace(shown.begin(), shown.end(), L'\0', L'\x2400');
    return shown;
}

LONG AccessibleRole(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox: return ROLE_SYSTEM_TEXT;
        case ControlKind::Frame: return ROLE_SYSTEM_GROUPING;
        case ControlKind::Label: return ROLE_SYSTEM_STATICTEXT;
        case ControlKind::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case ControlKind::Form:
        case ControlKind::SkinComponent: break;
    }
    return ROLE_SYSTEM_CLIENT;
}

}  // namespace

Win32Form1View::Win32Form1View(HINSTANCE resources, std::function<void()> endProgram,
                               std::function<bool()> highContrast)
    : resources_(resources),
      endProgram_(endProgram ? std::move(endProgram) : EndProcess),
      highContrastOn_(highContrast ? std::move(highContrast) : HighContrastOn),
      highContrast_(highContrastOn_()) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    RegisterWindowClass(module);
    RegisterFrameClass(module);

    back_[Index(ControlId::Form1)] = kForm1Window.back;
    for (const ControlDesign& design : Form1Controls()) {
        back_[Index(design.id)] = design.back;
        fore_[Index(design.id)] = design.fore;
    }

    // Made on the primary monitor, whose resolution it is then laid out for.
    window_ = Window(CreateWindowExW(kWindowExStyle, kWindowClass, L"", kWindowStyle, 0, 0, 0, 0,
                                     nullptr, nullptr, module, nullptr));
    if (!window_) throw LastErrorFailure();
    dpi_ = WindowDpi(Handle());
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    CreateControls();
    AddToSystemMenu();
    const SIZE outer = OuterSize(dpi_);
    Place((GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2);
}

// The window goes first (see window_), and no event reaches the form while it goes.
Win32Form1View::~Win32Form1View() {
    form_ = nullptr;
    ended_ = true;
}

void Win32Form1View::CreateControls() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (const ControlDesign& design : Form1Controls()) {
        const wchar_t* kind = nullptr;
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (design.kind) {
            case ControlKind::TextBox:
                kind = L"EDIT";
                style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Frame: kind = kFrameClass; break;
            case ControlKind::Label:
                // Clipped to its rectangle and never wrapped; "&" is shown as typed. SS_NOTIFY
                // keeps the mouse over the label from reaching the frame beneath.
                kind = L"STATIC";
                style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY;
                break;
            case ControlKind::PushButton:
                kind = L"BUTTON";
                style |= WS_TABSTOP | BS_OWNERDRAW;
                break;
            case ControlKind::Form:
            case ControlKind::SkinComponent: continue;  // the skin component has no window
        }
        HWND control = CreateWindowExW(
            exStyle, kind, Wide(design.caption).c_str(), style, 0, 0, 0, 0, Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(WindowId(design.id))), module, nullptr);
        if (control == nullptr) throw LastErrorFailure();
        controls_[Index(design.id)] = control;
        // The preview label is named by what it shows.
        MakeAccessible(control, AccessibleRole(design.kind),
                       design.id == ControlId::Label4
                           ? std::nullopt
                           : std::optional<std::wstring>(Wide(AccessibleName(design.id))));
        if (design.kind == ControlKind::TextBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no limit of our own
            SetWindowSubclass(control, TextBoxProc, 1, 0);
        } else if (design.kind == ControlKind::PushButton) {
            MakePushButton(control);
        }
    }
    // A frame lies beneath the controls placed on it.
    for (const ControlDesign& design : Form1Controls()) {
        if (design.kind != ControlKind::Frame) continue;
        SetWindowPos(controls_[Index(design.id)], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    LayOut();
}

void Win32Form1View::LayOut() {
    // The new fonts are in place before the old ones go.
    Font windowFont = CreateDesignFont(*kForm1Window.font, dpi_);
    Font buttonFont = CreateDesignFont(kPushButtonFont, dpi_);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont.get()), FALSE);
    for (const ControlDesign& design : Form1Controls()) {
        HWND control = controls_[Index(design.id)];
        if (control == nullptr) continue;
        const RECT rect = PixelRect(ClientTwips(design.id), dpi_);
        SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = (design.font == &kPushButtonFont ? buttonFont : windowFont).get();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    windowFont_ = std::move(windowFont);
    buttonFont_ = std::move(buttonFont);
}

SIZE Win32Form1View::OuterSize(int dpi) const {
    const RECT outer = OuterRectForDpi(TwipsToPixels(kForm1Window.clientWidth, dpi),
                                       TwipsToPixels(kForm1Window.clientHeight, dpi), kWindowStyle,
                                       kWindowExStyle, dpi);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// The border that the system draws may not be the one it reckons for the resolution (Wine keeps
// the system's): the client area is measured and the window corrected to the design's.
void Win32Form1View::Place(int left, int top) {
    SIZE outer = OuterSize(dpi_);
    SetWindowPos(Handle(), nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(Handle(), &client);
    outer.cx += TwipsToPixels(kForm1Window.clientWidth, dpi_) - client.right;
    outer.cy += TwipsToPixels(kForm1Window.clientHeight, dpi_) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Everything is drawn anew at the new resolution; a run that pumps this message goes on.
void Win32Form1View::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    LayOut();
    Place(suggested.left, suggested.top);
    // An icon or a hand that cannot be made at the new size keeps the old one.
    try {
        if (bigIcon_) SetWindowIcon();
        if (!cursorBytes_.empty()) mouseIcon_ = CursorFromBytes(cursorBytes_, CursorSize());
    } catch (const Failure&) {
    }
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form1View::FollowDesktopColours() {
    highContrast_ = highContrastOn_();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int Win32Form1View::CursorSize() const { return SystemMetricForDpi(SM_CXCURSOR, dpi_); }

HWND Win32Form1View::Control(ControlId id) const {
    return id == ControlId::Form1 ? Handle() : controls_[Index(id)];
}

void Win32Form1View::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    lastFocus_ = Control(ControlId::Text4);
    SetFocus(lastFocus_);
}

void Win32Form1View::AddToSystemMenu() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kUndoCommand, Wide(product::kUndoMenuEntry).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kOptionsCommand, Wide(product::kOptionsMenuEntry).c_str());
    AppendMenuW(menu, MF_STRING, kPreviewCommand, PreviewEntry().c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    presetsMenu_ = CreatePopupMenu();  // the system menu's from now on: destroyed with it
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(presetsMenu_),
                Wide(product::kPresetsMenu).c_str());
}

bool Win32Form1View::ShowSurfaceMenu(LPARAM at) {
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    const bool fromKeyboard = point.x == -1 && point.y == -1;
    if (!fromKeyboard) {
        // The title bar's click is the system menu's, which Windows shows.
        POINT inside = point;
        RECT client;
        ScreenToClient(Handle(), &inside);
        GetClientRect(Handle(), &client);
        if (!PtInRect(&client, inside)) return false;
    }
    if (form_ == nullptr || ended_) return true;
    if (fromKeyboard) {
        HWND focus = GetFocus();
        RECT below{};
        if (focus != nullptr && IsChild(Handle(), focus)) {
            GetWindowRect(focus, &below);
        } else {
            GetClientRect(Handle(), &below);
            MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&below), 2);
            below.bottom = below.top;
        }
        point = POINT{below.left, below.bottom};
    }
    const Menu menu(CreatePopupMenu());
    if (!menu) return true;
    AppendMenuW(menu.get(), MF_STRING | MenuState(form_->UndoOffered()), kUndoCommand,
                Wide(product::kUndoMenuEntry).c_str());
    AppendMenuW(menu.get(), MF_STRING | MenuState(form_->OptionsOffered()), kOptionsCommand,
                Wide(product::kOptionsMenuEntry).c_str());
    AppendMenuW(menu.get(), MF_STRING | MenuState(form_->PreviewOffered()), kPreviewCommand,
                PreviewEntry().c_str());
    if (HMENU presets = CreatePopupMenu()) {  // the surface menu's: destroyed with it
        FillPresetsMenu(presets, *form_);
        AppendMenuW(menu.get(), MF_POPUP | MenuState(form_->PresetsOffered()),
                    reinterpret_cast<UINT_PTR>(presets), Wide(product::kPresetsMenu).c_str());
    }
    const auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                         point.x, point.y, 0, Handle(), nullptr));
    RunMenuCommand(chosen);
    return true;
}

bool Win32Form1View::RunMenuCommand(UINT command) {
    if (IsPresetsCommand(command)) {
        if (form_ != nullptr && !ended_) RunPresetsCommand(command, *form_, Handle());
        return true;
    }
    if (command != kUndoCommand && command != kOptionsCommand && command != kPreviewCommand) {
        return false;
    }
    if (form_ == nullptr || ended_) return true;
    if (command == kUndoCommand) {
        form_->UndoLastRun_Click();
    } else if (command == kOptionsCommand) {
        Win32OptionsView view(Handle());
        form_->Options_Click(view);
    } else {
        Win32PreviewView view(Handle());
        form_->Preview_Click(view);
    }
    return true;
}

void Win32Form1View::Route(ControlId control, FormEvent event) {
    if (form_ != nullptr && !ended_) DispatchEvent(*form_, control, event);
}

void Win32Form1View::Close() {
    if (ended_) return;
    if (form_ == nullptr) {
        ended_ = true;
        return;
    }
    int cancel = 0;
    form_->Form_Unload(cancel);  // ends the process; in tests it returns
    ended_ = true;
    ShowWindow(Handle(), SW_HIDE);
}

ColourPair Win32Form1View::ShownColours(ControlId id) const {
    if (!highContrast_) return {back_[Index(id)], fore_[Index(id)]};
    return HighContrastColours(id == ControlId::Form1 ? ControlKind::Form : DesignOf(id).kind);
}

ButtonLook Win32Form1View::PushButtonLook(ControlId id) const {
    if (highContrast_) return HighContrastButtonLook();
    const ControlDesign& design = DesignOf(id);
    return buttonTheme_ ? SkinnedButtonLook(design, *buttonTheme_) : DesignButtonLook(design);
}

LRESULT Win32Form1View::ControlColours(HDC dc, HWND control) {
    const auto id = ControlOf(control);
    if (!id) return 0;
    const ColourPair shown = ShownColours(*id);
    SetTextColor(dc, ReadableOn(shown.face, shown.text));
    SetBkColor(dc, ToColorRef(shown.face));
    return reinterpret_cast<LRESULT>(brushes_.Get(shown.face));
}

// The window's pointer style covers its controls: with the custom style every control shows the
// hand; with the default style each control shows its own pointer.
bool Win32Form1View::ShowCustomPointer(WORD hitTest) {
    if (hitTest != HTCLIENT || pointer_ != MousePointer::Custom || !mouseIcon_) return false;
    SetCursor(mouseIcon_.get());
    return true;
}

LRESULT CALLBACK Win32Form1View::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Form1View*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(window, message, wParam, lParam);
}

LRESULT Win32Form1View::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const auto id = ControlOfId(LOWORD(wParam));
            if (!id) break;
            const WORD code = HIWORD(wParam);
            if (DesignOf(*id).kind == ControlKind::TextBox) {
                if (code == EN_CHANGE) Route(*id, FormEvent::Change);
            } else if (DesignOf(*id).kind == ControlKind::PushButton) {
                // An owner-drawn button reports the second click of a double click this way.
                if (code == BN_CLICKED || code == BN_DOUBLECLICKED) Route(*id, FormEvent::Click);
            }
            return 0;
        }
        case kControlMouseMove:
            if (const auto id = ControlOfId(static_cast<int>(wParam))) {
                Route(*id, FormEvent::MouseMove);
            }
            return 0;
        case WM_MOUSEMOVE: Route(ControlId::Form1, FormEvent::MouseMove); return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) != 0) {  // the system menu: its entries are not offered during a run
                const auto menu = reinterpret_cast<HMENU>(wParam);
                const bool live = form_ != nullptr && !ended_;
                EnableMenuItem(menu, kUndoCommand,
                               MF_BYCOMMAND | MenuState(live && form_->UndoOffered()));
                EnableMenuItem(menu, kOptionsCommand,
                               MF_BYCOMMAND | MenuState(live && form_->OptionsOffered()));
                EnableMenuItem(menu, kPreviewCommand,
                               MF_BYCOMMAND | MenuState(live && form_->PreviewOffered()));
                EnableMenuItem(menu, static_cast<UINT>(reinterpret_cast<UINT_PTR>(presetsMenu_)),
                               MF_BYCOMMAND | MenuState(live && form_->PresetsOffered()));
            } else if (reinterpret_cast<HMENU>(wParam) == presetsMenu_ && form_ != nullptr) {
                FillPresetsMenu(presetsMenu_, *form_);
            }
            break;
        case WM_SYSCOMMAND:
            if (RunMenuCommand(static_cast<UINT>(wParam & 0xFFF0))) return 0;
            break;
        case WM_CONTEXTMENU:
            if (ShowSurfaceMenu(lParam)) return 0;
            break;
        case WM_SETCURSOR:
            if (ShowCustomPointer(LOWORD(lParam))) return TRUE;
            // A control picks its own pointer; only the window's own surface is left to Windows.
            if (reinterpret_cast<HWND>(wParam) != window) return FALSE;
            break;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     brushes_.Get(ShownColours(ControlId::Form1).face));
            return 1;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED: FollowDesktopColours(); break;
        case WM_GETDPISCALEDSIZE: {
            // The size the window takes at the new resolution, so that Windows suggests a place
            // that fits it.
            *reinterpret_cast<SIZE*>(lParam) = OuterSize(static_cast<int>(wParam));
            return TRUE;
        }
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const auto id = ControlOfId(static_cast<int>(item.CtlID));
            if (!id || item.CtlType != ODT_BUTTON) break;
            DrawPushButton(item, PushButtonLook(*id));
            return TRUE;
        }
        case WM_ACTIVATE:
            // Like a dialog, the window gives the focus back to the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus)) lastFocus_ = focus;
            }
            break;
        case WM_SETFOCUS:
            if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
            return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_NCDESTROY:
            // Whoever destroys the window, the holder has nothing left to destroy.
            window_.release();
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A box holds no NUL: a text with NULs is shown with U+2400 in their place (as a label's caption
// is) and given back whole for as long as the box still shows it, so that what follows a NUL is
// never lost.
std::string Win32Form1View::Text(ControlId box) const {
    HWND control = Control(box);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    const std::string& carried = carried_[Index(box)];
    if (!carried.empty() && text == ShownText(carried)) return carried;
    return Utf8(text);
}

void Win32Form1View::SetText(ControlId box, const std::string& text) {
    // The edit reports every WM_SETTEXT as a change; the same text again is no change.
    if (Text(box) == text) return;
    carried_[Index(box)] = text.find('\0') != std::string::npos ? text : std::string();
    if (!SetWindowTextW(Control(box), ShownText(text).c_str())) throw LastErrorFailure();
}

void Win32Form1View::SetDescription(ControlId control, const std::string& description) {
    descriptions_[Index(control)] = description;
    if (HWND window = controls_[Index(control)]) {
        SetAccessibleDescription(window, ShownText(description));
    }
}

void Win32Form1View::SetLabelCaption(ControlId label, const std::string& caption) {
    if (!SetWindowTextW(Control(label), ShownText(caption).c_str())) throw LastErrorFailure();
}

// One tooltip window for the controls that have tips; lines break at LF.
void Win32Form1View::SetToolTip(ControlId control, const std::string& tip) {
    if (tips_ == nullptr) {
        tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        if (tips_ == nullptr) throw LastErrorFailure();
        SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 32767);
    }
    std::wstring text = Wide(tip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Control(control));
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        throw Failure("The tip could not be set");
    }
}

void Win32Form1View::SetWindowCaption(const std::string& caption) {
    if (!SetWindowTextW(Handle(), Wide(caption).c_str())) throw LastErrorFailure();
}

// The old icons go only once the window holds the new ones. The one icon serves both: the title
// bar's small image is scaled down from it at the size this screen asks for.
void Win32Form1View::SetWindowIcon() {
    Icon big =
        LoadIconScaledDown(resources_, kApplicationIcon, SystemMetricForDpi(SM_CXICON, dpi_));
    Icon smallIcon =
        LoadIconScaledDown(resources_, kApplicationIcon, SystemMetricForDpi(SM_CXSMICON, dpi_));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(smallIcon);
}

void Win32Form1View::SetMouseIcon(std::string_view cursorBytes) {
    // A cursor that cannot be loaded leaves none: the buttons then show the default pointer.
    mouseIcon_ = Cursor();
    cursorBytes_.clear();
    mouseIcon_ = CursorFromBytes(cursorBytes, CursorSize());
    cursorBytes_ = cursorBytes;
}

void Win32Form1View::SetMousePointer(MousePointer pointer) {
    if (pointer == pointer_) return;
    pointer_ = pointer;
    // Show the new pointer at once, not only at the next move.
    POINT at;
    if (!GetCursorPos(&at)) return;
    HWND under = WindowFromPoint(at);
    if (under == Handle() || IsChild(Handle(), under)) {
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

void Win32Form1View::SetBackColor(ControlId control, Colour colour) {
    back_[Index(control)] = colour;
    RedrawWindow(Control(control) != nullptr ? Control(control) : Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form1View::ApplyLook(const SkinLook& look) {
    back_[Index(ControlId::Form1)] = *SkinnedFace(ControlId::Form1, look);
    for (const ControlDesign& design : Form1Controls()) {
        if (const auto face = SkinnedFace(design.id, look)) back_[Index(design.id)] = *face;
        if (const auto text = SkinnedText(design.id, look)) fore_[Index(design.id)] = *text;
    }
    buttonTheme_ = look.pushButtons;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form1View::EndProgram() { endProgram_(); }

}  // namespace quire::win32
