// The core's 32-bit colours in Qt's terms: plain colours as they are, system colours through the
// application palette.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

#include "ui/form1_view.h"

namespace quire::qt {

// The colour as drawn now; a system colour is looked up in the application's palette.
QColor ToQColor(Colour colour);

// The colour as a style-sheet value; a system colour stays a palette reference, so the sheet
// follows the desktop's palette as the platform resolves system colours at drawing time.
QString SheetColour(Colour colour);

// The text colour to draw on `back`: `text` as it is drawn now when it reads there, else black or
// white, whichever reads better (a dark theme's white text on the design's white face).
QColor ReadableOn(Colour back, Colour text);
QColor ReadableOn(const QColor& back, const QColor& text);

// Gives a dialog the desktop's colours, with each text colour made to read on its background
// where a theme gives one that does not.
void UseReadableColours(QWidget& dialog);

}  // namespace quire::qt
