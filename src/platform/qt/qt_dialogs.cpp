#include "platform/qt/qt_dialogs.h"

#include <QGridLayout>
#include <QMessageBox>

#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_title_strip.h"

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
    // Shown before the loop starts, so that where Qt would draw the box's title bar the box
    // draws its own, wide enough for the whole caption, before its first frame.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    if (const QtTitleStrip* strip = QtTitleStrip::ReplaceQtTitleBar(box)) {
        box.setContentsMargins(0, strip->height(), 0, 0);
        // The box sizes itself from its layout: a blank item over its first row makes it as
        // wide as the whole caption.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            const QMargins margins = grid->contentsMargins();
            grid->addItem(
                new QSpacerItem(strip->sizeHint().width() - margins.left() - margins.right(), 0), 0,
                0, 1, grid->columnCount());
        }
    }
    const int answer = box.exec();
    if (style != BoxStyle::YesNo) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace quire::qt
