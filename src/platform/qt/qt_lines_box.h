// A box of lines that may be given a million of them, typed, pasted or set, and stays answering
// meanwhile: a long text goes in piece by piece between the window's events, read-only until it
// is all in, and as one step to undo.
#pragma once

#include <QPlainTextEdit>
#include <QTextCursor>

namespace quire::qt {

class QtLinesBox final : public QPlainTextEdit {
public:
    explicit QtLinesBox(QWidget* parent);

    // The whole text, what is still on its way in included.
    QString Text() const;
    void SetText(const QString& text);

    // True while a long text is still going in.
    bool Taking() const { return taken_ < pending_.size(); }

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Puts `text` in place of the cursor's selection: at once when it is short, else piece by
    // piece.
    void Take(const QString& text, QTextCursor at);
    void TakeNext();

    QString pending_;
    qsizetype taken_ = 0;
    QTextCursor cursor_;  // where the next piece goes
};

}  // namespace quire::qt
