#include "platform/qt/qt_dialog_parts.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <utility>

#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_text.h"

namespace quire::qt {

QString NameOf(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    return FromBytes(caption);
}

void ReadableColours(QWidget& dialog) {
    QPalette palette = dialog.palette();
    for (const auto& [back, text] : {std::pair{QPalette::Window, QPalette::WindowText},
                                     std::pair{QPalette::Base, QPalette::Text},
                                     std::pair{QPalette::Button, QPalette::ButtonText}}) {
        palette.setColor(text, ReadableOn(palette.color(back), palette.color(text)));
    }
    dialog.setPalette(palette);
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
