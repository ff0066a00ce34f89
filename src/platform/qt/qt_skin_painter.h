// Draws the skin's look on the Qt window with style sheets.
#pragma once

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_main_window.h"
#include "ui/skin_painter.h"

namespace quire::qt {

// The window's own sheet: its face, the frames and the labels, selected by control name so that
// nothing else owned by the window (message boxes, the folder dialog) is touched.
QString WindowSheet(const SkinLook& look);

class QtSkinPainter final : public SkinPainter {
public:
    QtSkinPainter(QtMainWindow& window, QtDialogs& dialogs) : window_(window), dialogs_(dialogs) {}

    void Paint(const SkinLook& look) override;

private:
    QtMainWindow& window_;
    QtDialogs& dialogs_;
};

}  // namespace quire::qt
