// The form's view of the Qt window: texts, captions, icon, pointer and colours.
#pragma once

#include <QCursor>
#include <optional>

#include "platform/qt/qt_main_window.h"
#include "ui/form1_view.h"

namespace quire::qt {

class QtForm1View final : public Form1View {
public:
    explicit QtForm1View(QtMainWindow& window) : window_(window) {}

    std::string Text(ControlId box) const override;
    void SetText(ControlId box, const std::string& text) override;
    void SetLabelCaption(ControlId label, const std::string& caption) override;
    void SetDescription(ControlId control, const std::string& description) override;
    void SetWindowCaption(const std::string& caption) override;
    void SetToolTip(ControlId control, const std::string& tip) override;
    void SetWindowIcon() override;
    void SetMouseIcon(std::string_view cursorBytes) override;
    void SetMousePointer(MousePointer pointer) override;
    void SetBackColor(ControlId control, Colour colour) override;
    void EndProgram() override { window_.EndProgram(); }

    MousePointer Pointer() const { return pointer_; }

    // Draws the custom pointer again for the screen the window is on now (after a move to a
    // screen of another scale); a file gone meanwhile leaves the pointer as it was.
    void FollowScreen();

private:
    QtMainWindow& window_;
    std::optional<QCursor> mouseIcon_;
    std::string cursorBytes_;  // the hand's file, to draw it again for a screen of another scale
    MousePointer pointer_ = MousePointer::Default;
};

}  // namespace quire::qt
