#include "platform/qt/qt_lines_box.h"

#include <QMimeData>
#include <QTimer>

namespace quire::qt {
namespace {

// About 10,000 lines of names: a few tens of milliseconds to take in.
constexpr qsizetype kPiece = 128 * 1024;

}  // namespace

// Without wrapping, which would lay out every line anew at each change; Tab goes on to the next
// field.
QtLinesBox::QtLinesBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
}

QString QtLinesBox::Text() const {
    QString text = toPlainText();
    if (Taking()) text.insert(cursor_.position(), QStringView(pending_).sliced(taken_));
    return text;
}

void QtLinesBox::SetText(const QString& text) {
    pending_.clear();
    taken_ = 0;
    setPlainText(QString());
    Take(text, textCursor());
}

void QtLinesBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && !Taking()) Take(source->text(), textCursor());
}

void QtLinesBox::Take(const QString& text, QTextCursor at) {
    if (text.size() <= kPiece) {
        at.insertText(text);
        return;
    }
    cursor_ = at;
    cursor_.beginEditBlock();
    cursor_.removeSelectedText();
    cursor_.endEditBlock();
    pending_ = text;
    taken_ = 0;
    setReadOnly(true);
    TakeNext();
}

void QtLinesBox::TakeNext() {
    qsizetype end = std::min(taken_ + kPiece, pending_.size());
    if (end < pending_.size()) {
        const qsizetype lineEnd = pending_.lastIndexOf(QLatin1Char('\n'), end - 1);
        if (lineEnd >= taken_) end = lineEnd + 1;
    }
    cursor_.joinPreviousEditBlock();
    cursor_.insertText(QStringView(pending_).sliced(taken_, end - taken_).toString());
    cursor_.endEditBlock();
    taken_ = end;
    if (Taking()) {
        QTimer::singleShot(0, this, [this] { TakeNext(); });
        return;
    }
    pending_.clear();
    taken_ = 0;
    setReadOnly(false);
    setTextCursor(cursor_);
}

}  // namespace quire::qt
