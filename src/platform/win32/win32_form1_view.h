// The main window in plain Win32, built from the design table. It shows what Form1's procedures
// set (Form1View) and turns the messages of its controls into Form1's events. It is laid out at
// its monitor's resolution and again whenever that changes; its texts read on their backgrounds,
// in high-contrast mode in the system's colours; every control tells a screen reader its role and
// name.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "platform/win32/win32_gdi_colours.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_high_contrast.h"
#include "platform/win32/win32_push_button.h"
#include "ui/button_look.h"
#include "ui/form1_events.h"
#include "ui/form1_view.h"
#include "ui/theme_skin.h"

namespace quire {
class Form1;
}

namespace quire::win32 {

class Win32Form1View final : public Form1View {
public:
    // Creates the window and its controls, hidden and centred on the screen. `resources` holds the
    // application icon; `endProgram` ends the process and `highContrast` tells whether Windows is
    // in high-contrast mode (tests pass their own).
    explicit Win32Form1View(HINSTANCE resources, std::function<void()> endProgram = {},
                            std::function<bool()> highContrast = {});
    ~Win32Form1View() override;
    Win32Form1View(const Win32Form1View&) = delete;
    Win32Form1View& operator=(const Win32Form1View&) = delete;

    HWND Handle() const { return window_.get(); }
    // The control's window, or null for the skin component, which has none.
    HWND Control(ControlId id) const;

    // Events reach the form from now on; the texts set while building the window fire nothing.
    void Attach(Form1& form) { form_ = &form; }

    // Shows the window with the focus in Text4.
    void Show();

    // True once the window has been closed: no event reaches the form after that.
    bool Ended() const { return ended_; }

    // The resolution the window is laid out for.
    int Dpi() const { return dpi_; }

    MousePointer Pointer() const { return pointer_; }
    bool HasMouseIcon() const { return static_cast<bool>(mouseIcon_); }
    HCURSOR MouseIcon() const { return mouseIcon_.get(); }
    // The colours the design and the skin give; ShownColours tells what is drawn.
    Colour BackColor(ControlId id) const { return back_[Index(id)]; }
    Colour ForeColor(ControlId id) const { return fore_[Index(id)]; }
    // The face and text colour of the window or of a control but a push button as drawn now (the
    // text before it is made to read on the face).
    ColourPair ShownColours(ControlId id) const;
    // The look of a push button as it is drawn now.
    ButtonLook PushButtonLook(ControlId id) const;

    // Takes the skin's colours for the window face, frames, labels and push buttons.
    void ApplyLook(const SkinLook& look);

    std::string Text(ControlId box) const override;
    void SetText(ControlId box, const std::string& text) override;
    void SetLabelCaption(ControlId label, const std::string& caption) override;
    void SetDescription(ControlId control, const std::string& description) override;
    // What SetDescription last gave the control, for the screen reader.
    const std::string& Description(ControlId control) const {
        return descriptions_[Index(control)];
    }
    void SetWindowCaption(const std::string& caption) override;
    void SetToolTip(ControlId control, const std::string& tip) override;
    void SetWindowIcon() override;
    void SetMouseIcon(std::string_view cursorBytes) override;
    void SetMousePointer(MousePointer pointer) override;
    void SetBackColor(ControlId control, Colour colour) override;
    void EndProgram() override;

private:
    static constexpr std::size_t kControls =
        static_cast<std::size_t>(ControlId::SkinFramework1) + 1;
    static std::size_t Index(ControlId id) { return static_cast<std::size_t>(id); }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // `window` is the main window as the system passes it, also while it is being destroyed and
    // the holder no longer has it.
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    // Fonts, places and sizes of the controls at dpi_.
    void LayOut();
    // The outer size of the window whose client area is the design's at `dpi`.
    SIZE OuterSize(int dpi) const;
    // Moves the window's top-left corner there, its client area the design's at dpi_.
    void Place(int left, int top);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void FollowDesktopColours();
    int CursorSize() const;
    void Route(ControlId control, FormEvent event);
    // "Undo Last Run...", "Options..." with "Preview..." and the "Presets" submenu at the end of
    // the system menu, each after a separator.
    void AddToSystemMenu();
    // The same entries as a menu of the window's surface, at `at` (screen coordinates), or below
    // the control with the focus when the keyboard asked for it. False for a point outside the
    // client area, whose menu is the system's.
    bool ShowSurfaceMenu(LPARAM at);
    // Runs the entry of either menu; false for any other command.
    bool RunMenuCommand(UINT command);
    LRESULT ControlColours(HDC dc, HWND control);
    bool ShowCustomPointer(WORD hitTest);
    void Close();

    HINSTANCE resources_;
    std::function<void()> endProgram_;
    std::function<bool()> highContrastOn_;
    bool highContrast_ = false;
    int dpi_ = 96;
    std::array<HWND, kControls> controls_{};
    HMENU presetsMenu_ = nullptr;  // of the system menu
    std::array<Colour, kControls> back_{};
    std::array<Colour, kControls> fore_{};
    std::array<std::string, kControls> descriptions_;
    std::array<std::string, kControls> carried_{};  // a box's text that holds a NUL
    std::optional<ButtonTheme> buttonTheme_;
    Font windowFont_;
    Font buttonFont_;
    Icon bigIcon_;
    Icon smallIcon_;
    std::string cursorBytes_;  // the hand's file, to build it again at another resolution
    Cursor mouseIcon_;
    MousePointer pointer_ = MousePointer::Default;
    HWND lastFocus_ = nullptr;
    HWND tips_ = nullptr;  // the tooltip window, owned by the main window and gone with it
    BrushCache brushes_;
    Form1* form_ = nullptr;
    bool ended_ = false;
    // Last, so that it goes first, with its controls: their last messages find every other member
    // alive, and a constructor that throws after making it leaves no window behind.
    Window window_;
};

}  // namespace quire::win32
