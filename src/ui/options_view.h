// Port: what a toolkit must offer for the Options dialog's procedures to run on it. Implemented by
// QtOptionsView (platform/qt) and Win32OptionsView (platform/win32); tests use FakeOptionsView.
#pragma once

#include <array>
#include <string>

#include "engine/run_options.h"

namespace quire {

class OptionsDialog;

// The dialog's fields in their order on screen, which is also the keyboard's; ListNote is the
// text that says the pattern and count are not used.
enum class OptionField {
    Start,
    Step,
    Style,
    Continue,
    Each,
    Template,
    Listed,
    Names,
    ListNote,
    Portable,
};

// The fields checked on OK, each with a place beside it for why its value cannot be used.
inline constexpr std::array<OptionField, 6> kCheckedFields{
    OptionField::Start, OptionField::Step,     OptionField::Continue,
    OptionField::Each,  OptionField::Template, OptionField::Names,
};

class OptionsView {
public:
    virtual ~OptionsView() = default;

    // Shows the dialog modally, its events going to `dialog`'s procedures, and returns once it is
    // closed: true when OK_Click accepted it, false when it was cancelled or closed.
    virtual bool Run(OptionsDialog& dialog) = 0;

    // The text of Start, Step, Each, Template or Names; Each and Names one entry a line, with LF.
    virtual std::string Text(OptionField field) const = 0;
    virtual void SetText(OptionField field, const std::string& text) = 0;

    // Whether the box Continue, Listed or Portable is ticked.
    virtual bool Checked(OptionField field) const = 0;
    virtual void SetChecked(OptionField field, bool checked) = 0;

    virtual CounterStyle Style() const = 0;
    virtual void SetStyle(CounterStyle style) = 0;

    // Shows or hides a field with everything that names it.
    virtual void SetShown(OptionField field, bool shown) = 0;

    // Shows beside the field why its value cannot be used, and tells a screen reader; the empty
    // text takes it away.
    virtual void SetProblem(OptionField field, const std::string& reason) = 0;

    virtual void Focus(OptionField field) = 0;
};

}  // namespace quire
