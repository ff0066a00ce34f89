#include "platform/qt/qt_dialog_parts.h"

#include <QLabel>
#include <QWidget>

#include "platform/qt/qt_text.h"

namespace quire::qt {

QString NameOf(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    return FromBytes(caption);
}

QLabel* ProblemLabel(QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->hide();
    return label;
}

}  // namespace quire::qt
