// What the window's own dialogs (Options, the presets' name and choice) share: the names their
// fields go by and the place beside a field that says why its value is refused.
#pragma once

#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace quire::qt {

// A caption as a screen reader says the field it names: without its closing colon.
QString NameOf(std::string_view caption);

// A bold, wrapping label, hidden until it has something to say.
QLabel* ProblemLabel(QWidget& parent);

}  // namespace quire::qt
