#include "platform/qt/qt_title_strip.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

#include "platform/qt/qt_colour.h"

namespace quire::qt {
namespace {

constexpr int kMargin = 8;
constexpr int kIconSize = 16;
constexpr int kGlyphSize = 10;

// The desktop's colours, not the design's: the bar belongs to the desktop's side of the window.
QColor DesktopColour(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(QPalette::Active, role);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [&](int a, int b) { return static_cast<int>(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// An active window's bar stands out a little from its face; an inactive one's does not.
QColor StripFace(bool active) {
    const QColor window = DesktopColour(QPalette::Window);
    return active ? Mix(window, DesktopColour(QPalette::WindowText), 0.08) : window;
}

QColor TextOn(const QColor& face) { return ReadableOn(face, DesktopColour(QPalette::WindowText)); }

QFont TitleFont() {
    QFont font = QGuiApplication::font();
    font.setBold(true);
    return font;
}

int ButtonWidth(int height) { return height * 3 / 2; }

enum class Glyph { Minimize, Close };

class TitleButton final : public QToolButton {
public:
    TitleButton(Glyph glyph, const QString& name, QWidget& strip)
        : QToolButton(&strip), glyph_(glyph) {
        setAccessibleName(name);
        setToolTip(name);
        // The window's own Tab order stays the design's.
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);  // repainted as the pointer comes and goes
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor rest = StripFace(window()->isActiveWindow());
        QColor face = rest;
        if (glyph_ == Glyph::Close && (isDown() || underMouse())) {
            face = isDown() ? QColor(0x94, 0x1B, 0x0C) : QColor(0xC4, 0x2B, 0x1C);
        } else if (isDown() || underMouse()) {
            face = Mix(rest, DesktopColour(QPalette::WindowText), isDown() ? 0.3 : 0.15);
        }
        painter.fillRect(rect(), face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(TextOn(face), 1.25));
        const QRectF box(QRectF(rect()).center() - QPointF(kGlyphSize, kGlyphSize) / 2.0,
                         QSizeF(kGlyphSize, kGlyphSize));
        if (glyph_ == Glyph::Minimize) {
            painter.drawLine(QPointF(box.left(), box.center().y()),
                             QPointF(box.right(), box.center().y()));
        } else {
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        }
    }

private:
    Glyph glyph_;
};

}  // namespace

QtTitleStrip::QtTitleStrip(QWidget& window)
    : QWidget(&window),
      window_(window),
      // Made in the order they are seen, which is the order a screen reader meets them in.
      minimize_(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint)
                    ? new TitleButton(Glyph::Minimize, QStringLiteral("Minimize"), *this)
                    : nullptr),
      close_(new TitleButton(Glyph::Close, QStringLiteral("Close"), *this)) {
    setObjectName(QStringLiteral("TitleStrip"));
    setAccessibleName(window.windowTitle());
    if (minimize_ != nullptr) {
        connect(minimize_, &QToolButton::clicked, &window, &QWidget::showMinimized);
    }
    setGeometry(0, 0, window.width(), Height());
    connect(close_, &QToolButton::clicked, &window, &QWidget::close);
    window.installEventFilter(this);
}

QtTitleStrip* QtTitleStrip::ReplaceQtTitleBar(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || !window.isVisible() ||
        !QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) ||
        handle->frameMargins().top() <= 0 ||
        window.findChild<QWidget*>(QStringLiteral("TitleStrip"), Qt::FindDirectChildrenOnly)) {
        return nullptr;
    }
    handle->setFlag(Qt::FramelessWindowHint, true);
    auto* strip = new QtTitleStrip(window);
    strip->show();
    return strip;
}

int QtTitleStrip::Height() { return QFontMetrics(TitleFont()).height() + 2 * kMargin; }

QSize QtTitleStrip::sizeHint() const {
    const int buttons = (minimize_ != nullptr ? 2 : 1) * ButtonWidth(height());
    const int title = QFontMetrics(TitleFont()).horizontalAdvance(window_.windowTitle());
    return {3 * kMargin + kIconSize + title + kMargin + buttons, Height()};
}

bool QtTitleStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    switch (event->type()) {
        case QEvent::Resize: setGeometry(0, 0, window_.width(), height()); break;
        case QEvent::WindowTitleChange: setAccessibleName(window_.windowTitle()); [[fallthrough]];
        case QEvent::WindowIconChange:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::ApplicationPaletteChange: update(); break;
        default: break;
    }
    return false;
}

// A drag on the bar moves the window as the compositor does it; other buttons go on to the window
// (a right click opens its menu, as on the rest of its surface).
void QtTitleStrip::mousePressEvent(QMouseEvent* event) {
    QWindow* handle = window_.windowHandle();
    if (event->button() != Qt::LeftButton || handle == nullptr) {
        event->ignore();
        return;
    }
    handle->startSystemMove();
    event->accept();
}

void QtTitleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = StripFace(window_.isActiveWindow());
    painter.fillRect(rect(), face);
    window_.windowIcon().paint(&painter,
                               QRect(kMargin, (height() - kIconSize) / 2, kIconSize, kIconSize));
    const int left = 2 * kMargin + kIconSize;
    const QRect text(left, 0, (minimize_ != nullptr ? minimize_ : close_)->x() - kMargin - left,
                     height());
    painter.setFont(TitleFont());
    painter.setPen(TextOn(face));
    painter.drawText(
        text, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, text.width()));
}

void QtTitleStrip::resizeEvent(QResizeEvent*) {
    const int buttonWidth = ButtonWidth(height());
    close_->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
    if (minimize_ != nullptr) {
        minimize_->setGeometry(width() - 2 * buttonWidth, 0, buttonWidth, height());
    }
}

}  // namespace quire::qt
