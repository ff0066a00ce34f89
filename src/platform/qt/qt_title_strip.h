// A window's own title bar, for Wayland compositors that leave decorations to the client: there
// Qt's own bar offers to maximise a window of fixed size. This one shows the icon and the title,
// minimises (where the window's flags ask for it) and closes, moves the window when dragged, and
// has no maximise button.
#pragma once

#include <QWidget>

class QToolButton;

namespace quire::qt {

class QtTitleStrip final : public QWidget {
public:
    // A child of `window`, across its top; it follows the window's width, title, icon and
    // activation.
    explicit QtTitleStrip(QWidget& window);

    // For a window just shown, before its first frame: where Qt draws its title bar, the window
    // turns frameless and gets a strip instead, which is returned (the caller makes room for it
    // below); elsewhere (X11, a compositor's own frame) nothing changes and null is returned.
    static QtTitleStrip* ReplaceQtTitleBar(QWidget& window);

    // The strip's height, for the desktop's font.
    static int Height();

    // The width that shows the whole title.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget& window_;
    QToolButton* minimize_;  // only where the window's flags ask for one
    QToolButton* close_;
};

}  // namespace quire::qt
