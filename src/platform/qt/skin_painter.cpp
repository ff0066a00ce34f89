#include "platform/qt/skin_painter.h"

#include <QPushButton>

#include "platform/qt/colour.h"
#include "platform/qt/style_sheets.h"
#include "ui/form1_design.h"

namespace quire::qt {

QString WindowSheet(const SkinLook& look) {
    // Frames take the frame face; a label takes the face of what it sits on, so that it shows
    // no patch of another colour inside its frame.
    QString frames;
    QString labelsOnFrames;
    QString labelsOnWindow;
    for (const ControlDesign& design : Form1Controls()) {
        QString* list = nullptr;
        if (design.kind == ControlKind::Frame) list = &frames;
        if (design.kind == ControlKind::Label) {
            list = design.container == ControlId::Form1 ? &labelsOnWindow : &labelsOnFrames;
        }
        if (!list) continue;
        if (!list->isEmpty()) *list += QStringLiteral(", ");
        *list += QLatin1Char('#') + QString::fromUtf8(ControlName(design.id).data());
    }
    const QString windowFace = SheetColour(look.windowFace);
    const QString frameFace = SheetColour(look.frameFace);
    QString sheet = QStringLiteral("#Form1 { background-color: %1; }\n").arg(windowFace);
    const QString frameText = look.frameText
                                  ? QStringLiteral(" color: %1;").arg(SheetColour(*look.frameText))
                                  : QString();
    sheet += QStringLiteral("%1 { background-color: %2;%3 }\n").arg(frames, frameFace, frameText);
    if (!labelsOnFrames.isEmpty()) {
        sheet += QStringLiteral("%1 { background-color: %2; }\n").arg(labelsOnFrames, frameFace);
    }
    if (!labelsOnWindow.isEmpty()) {
        sheet += QStringLiteral("%1 { background-color: %2; }\n").arg(labelsOnWindow, windowFace);
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
                PushButtonSheet(ThemedButtonLook(design, *look.pushButtons)));
        }
    }
    dialogs_.SetFace(look.messageBoxFace ? std::optional<QColor>(ToQColor(*look.messageBoxFace))
                                         : std::nullopt);
}

}  // namespace quire::qt
