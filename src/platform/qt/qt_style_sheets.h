// Style sheets of the push buttons, painted from the look that the core computes.
#pragma once

#include <QString>

#include "ui/button_look.h"

namespace quire::qt {

QString PushButtonSheet(const ButtonLook& look);

}  // namespace quire::qt
