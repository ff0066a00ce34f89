// Draws the skin's look on the Qt window with style sheets.
#pragma once

#include "platform/qt/dialogs.h"
#include "platform/qt/window.h"
#include "ui/theme_skin.h"

namespace quire::qt {

// The window's own sheet: its face, the frames and the labels, selected by control name so that
// nothing else owned by the window (message boxes, the folder dialog) is touched.
QString WindowSheet(const SkinLook& look);

class QtSkinPainter final : public SkinPainter {
public:
    QtSkinPainter(MainWindow& window, QtDialogs& dialogs) : window_(window), dialogs_(dialogs) {}

    void Paint(const SkinLook& look) override;

private:
    MainWindow& window_;
    QtDialogs& dialogs_;
};

}  // namespace quire::qt
