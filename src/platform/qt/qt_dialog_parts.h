// What the window's own dialogs (Options, the presets' name and choice) share: their colours, the
// names their fields go by and the place beside a field that says why its value is refused.
#pragma once

#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace quire::qt {

// A caption as a screen reader says the field it names: without its closing colon.
QString NameOf(std::string_view caption);

// The desktop's colours, with each text colour made to read on its background where a theme
// gives one that does not.
void ReadableColours(QWidget& dialog);

// A bold, wrapping label, hidden until it has something to say.
QLabel* ProblemLabel(QWidget& parent);

}  // namespace quire::qt
