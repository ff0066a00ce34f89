// The window's own title bar, for Wayland compositors that leave decorations to the client: there
// Qt's own bar offers to maximise a window of fixed size. This one shows the icon and the title,
// minimises and closes, moves the window when dragged, and has no maximise button.
#pragma once

#include <QWidget>

class QToolButton;

namespace quire::qt {

class QtTitleStrip final : public QWidget {
public:
    // A child of `window`, across its top; it follows the window's width, title, icon and
    // activation.
    explicit QtTitleStrip(QWidget& window);

    // The strip's height, for the desktop's font.
    static int Height();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget& window_;
    QToolButton* minimize_;
    QToolButton* close_;
};

}  // namespace quire::qt
