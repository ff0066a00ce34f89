#include "platform/qt/qt_dialogs.h"

#include <QMessageBox>

#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_text.h"

namespace quire::qt {

QString DisplayText(const std::string& text) {
    QString shown = FromBytes(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

BoxAnswer QtDialogs::ShowMessage(const std::string& text, const std::string& caption,
                                 BoxStyle style) {
    // Before the window is first shown a box has nothing to stand over: without a parent, Qt
    // centres it on the screen.
    QMessageBox box(owner_.isVisible() ? &owner_ : nullptr);
    box.setWindowTitle(FromBytes(caption));
    // Plain text: a path or a count with "<" in it is shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.setIcon(style == BoxStyle::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (style == BoxStyle::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (face_) {
        // The face and the text are set together, so that the text reads on the face.
        box.setStyleSheet(QStringLiteral("QMessageBox, QMessageBox QLabel { background-color: %1; "
                                         "color: %2; }")
                              .arg(ToQColor(*face_).name(QColor::HexRgb),
                                   ReadableOn(*face_, colour::kWindowText).name(QColor::HexRgb)));
    }
    const int answer = box.exec();
    if (style != BoxStyle::YesNo) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace quire::qt
