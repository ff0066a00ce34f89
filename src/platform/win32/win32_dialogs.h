// Message boxes through MessageBoxW, owned by the main window, optionally in the skin's face
// colour with text that reads on it; in high-contrast mode always in the system's colours.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "app/dialogs.h"
#include "ui/form1_view.h"

namespace quire::win32 {

class Win32Dialogs final : public Dialogs {
public:
    // `highContrast` tells whether Windows is in high-contrast mode (tests pass their own).
    explicit Win32Dialogs(HWND owner, std::function<bool()> highContrast = {});

    BoxAnswer ShowMessage(const std::string& text, const std::string& caption,
                          BoxStyle style) override;

    // The skin's face for message boxes; nothing leaves them in the platform's look.
    void SetFace(std::optional<Colour> face) { face_ = face; }

private:
    HWND owner_;
    std::function<bool()> highContrast_;
    std::optional<Colour> face_;
};

}  // namespace quire::win32
