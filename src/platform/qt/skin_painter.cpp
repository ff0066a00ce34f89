#include "platform/qt/skin_painter.h"

#include <QPushButton>

#include "platform/qt/colour.h"
#include "platform/qt/style_sheets.h"
#include "ui/form1_design.h"

namespace quire::qt {

QString WindowSheet(const SkinLook& look) {
    QString names[2];  // frames, labels
    for (const ControlDesign& design : Form1Controls()) {
        const bool frame = design.kind == ControlKind::Frame;
        if (!frame && design.kind != ControlKind::Label) continue;
        QString& list = names[frame ? 0 : 1];
        if (!list.isEmpty()) list += QStringLiteral(", ");
        list += QLatin1Char('#') + QString::fromUtf8(ControlName(design.id).data());
    }
    QString sheet = QStringLiteral("#Form1 { background-color: %1; }\n")
                        .arg(SheetColour(look.windowFace));
    sheet += QStringLiteral("%1 { background-color: %2;%3 }\n")
                 .arg(names[0], SheetColour(look.frameFace),
                      look.frameText
                          ? QStringLiteral(" color: %1;").arg(SheetColour(*look.frameText))
                          : QString());
    sheet += QStringLiteral("%1 { background-color: %2; }\n")
                 .arg(names[1], SheetColour(look.windowFace));
    return sheet;
}

void QtSkinPainter::Paint(const SkinLook& look) {
    // The window's sheet paints its face only when the window draws styled backgrounds.
    window_.setAttribute(Qt::WA_StyledBackground, true);
    window_.setStyleSheet(WindowSheet(look));
    if (look.pushButtons) {
        // A button's own sheet outranks the window's, so each button gets its themed sheet.
        for (const ControlDesign& design : Form1Controls()) {
            if (design.kind != ControlKind::PushButton) continue;
            window_.Button(design.id)->setStyleSheet(
                PushButtonSheet(ThemedButtonLook(design, *look.pushButtons)));
        }
    }
    dialogs_.SetFace(look.messageBoxFace ? std::optional<QColor>(ToQColor(*look.messageBoxFace))
                                         : std::nullopt);
}

}  // namespace quire::qt
