// Port: what a toolkit must offer for the main window's procedures to run on it. Implemented by
// QtForm1View (platform/qt) and Win32Form1View (platform/win32); tests use FakeForm1View.
#pragma once

#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/control_id.h"

namespace quire {

// The window's pointer style: the default arrow, or the custom image (the hand cursor).
enum class MousePointer : int { Default = 0, Custom = 99 };

class Form1View {
public:
    virtual ~Form1View() = default;

    // The text of a text box.
    virtual std::string Text(ControlId box) const = 0;

    // Sets a text box's text. A text that differs from the present one fires the box's change
    // procedure before this returns; the same text again fires nothing.
    virtual void SetText(ControlId box, const std::string& text) = 0;

    virtual void SetLabelCaption(ControlId label, const std::string& caption) = 0;

    // What a screen reader tells of a control beside its name (the pattern box: the preview).
    // Changes nothing visible.
    virtual void SetDescription(ControlId control, const std::string& description) = 0;
    virtual void SetWindowCaption(const std::string& caption) = 0;

    // The tip shown while the pointer rests on the control (the preview: the options in effect).
    virtual void SetToolTip(ControlId control, const std::string& tip) = 0;

    // Gives the window the application icon. Throws Failure when it cannot be set.
    virtual void SetWindowIcon() = 0;

    // Makes the bytes of a cursor file the window's custom pointer image. Throws Failure when they
    // are no cursor; the window then keeps no image of its own (a toolkit may fall back to its
    // own hand).
    virtual void SetMouseIcon(std::string_view cursorBytes) = 0;

    virtual void SetMousePointer(MousePointer pointer) = 0;

    virtual void SetBackColor(ControlId control, Colour colour) = 0;

    // Ends the program at once: no further event of the window runs.
    virtual void EndProgram() = 0;
};

}  // namespace quire
