// Hands the skin's look to the main window and to the message boxes.
#pragma once

#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_form1_view.h"
#include "ui/skin_painter.h"

namespace quire::win32 {

class Win32SkinPainter final : public SkinPainter {
public:
    Win32SkinPainter(Win32Form1View& window, Win32Dialogs& dialogs)
        : window_(window), dialogs_(dialogs) {}

    void Paint(const SkinLook& look) override {
        window_.ApplyLook(look);
        dialogs_.SetFace(look.messageBoxFace);
    }

private:
    Win32Form1View& window_;
    Win32Dialogs& dialogs_;
};

}  // namespace quire::win32
