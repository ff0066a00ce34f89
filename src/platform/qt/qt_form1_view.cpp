#include "platform/qt/qt_form1_view.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include "engine/failure.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_cursor_file.h"
#include "platform/qt/qt_text.h"

namespace quire::qt {
namespace {

template <class Widget>
Widget& Require(Widget* widget, ControlId id) {
    if (!widget)
        throw Failure("Object doesn't support this property or method: " +
                      std::string(ControlName(id)));
    return *widget;
}

}  // namespace

std::string QtForm1View::Text(ControlId box) const {
    return ToBytes(Require(window_.TextBox(box), box).text());
}

void QtForm1View::SetText(ControlId box, const std::string& text) {
    // The box reports the change itself, before setText returns.
    Require(window_.TextBox(box), box).setText(FromBytes(text));
}

void QtForm1View::SetDescription(ControlId control, const std::string& description) {
    Require(window_.Control(control), control).setAccessibleDescription(FromBytes(description));
}

// As markup that says the text as it is: a tip would take a path such as "<b>" for markup.
void QtForm1View::SetToolTip(ControlId control, const std::string& tip) {
    Require(window_.Control(control), control)
        .setToolTip(
            QStringLiteral("<p style='white-space:pre'>") +
            FromBytes(tip).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
            QStringLiteral("</p>"));
}

void QtForm1View::SetLabelCaption(ControlId label, const std::string& caption) {
    Require(window_.Label(label), label).setText(FromBytes(caption));
}

void QtForm1View::SetWindowCaption(const std::string& caption) {
    window_.setWindowTitle(FromBytes(caption));
}

void QtForm1View::SetWindowIcon() {
    QIcon icon;
    for (const int size : {32, 48, 128, 256}) {
        const QString file = QStringLiteral(":/icons/quirebatch-%1.png").arg(size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    if (icon.isNull()) throw Failure("The application icon is missing");
    window_.setWindowIcon(icon);
}

// A file that cannot be loaded leaves no image: the custom style then shows the default pointer.
void QtForm1View::SetMouseIcon(std::string_view cursorBytes) {
    mouseIcon_.reset();
    cursorBytes_.clear();
    mouseIcon_ = CursorFromBytes(cursorBytes, window_.devicePixelRatioF());
    cursorBytes_ = cursorBytes;
}

void QtForm1View::FollowScreen() {
    if (cursorBytes_.empty()) return;
    mouseIcon_ = CursorFromBytes(cursorBytes_, window_.devicePixelRatioF());
    SetMousePointer(pointer_);
}

void QtForm1View::SetMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    // Without a custom image the custom style shows the default pointer.
    if (pointer == MousePointer::Custom && mouseIcon_) {
        window_.setCursor(*mouseIcon_);
    } else {
        window_.unsetCursor();
    }
}

void QtForm1View::SetBackColor(ControlId control, Colour colour) {
    QWidget& widget = Require(window_.Control(control), control);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace quire::qt
