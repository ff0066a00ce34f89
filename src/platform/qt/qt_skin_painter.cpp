#include "platform/qt/qt_skin_painter.h"

#include <QPushButton>

#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_style_sheets.h"
#include "ui/form1_design.h"

namespace quire::qt {

QString WindowSheet(const SkinLook& look) {
    QString sheet = QStringLiteral("#Form1 { background-color: %1; }\n")
                        .arg(SheetColour(*SkinnedFace(ControlId::Form1, look)));
    for (const ControlDesign& design : Form1Controls()) {
        const std::optional<Colour> face = SkinnedFace(design.id, look);
        if (!face) continue;
        // The text reads on the new face, in the skin's colour or the design's.
        const Colour text = SkinnedText(design.id, look).value_or(design.fore);
        sheet += QStringLiteral("#%1 { background-color: %2; color: %3; }\n")
                     .arg(QString::fromUtf8(ControlName(design.id).data()), SheetColour(*face),
                          ReadableOn(*face, text).name(QColor::HexRgb));
    }
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
                PushButtonSheet(SkinnedButtonLook(design, *look.pushButtons)));
        }
    }
    dialogs_.SetFace(look.messageBoxFace);
}

}  // namespace quire::qt
