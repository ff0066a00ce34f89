// What a screen reader says for each control of the main window. Text boxes are named by the
// captions of their frames, the hidden first-focus box tells what to do, the browse button what
// it is for; frames and labels by their captions.
#pragma once

#include <string>

#include "ui/control_id.h"

namespace quire {

std::string AccessibleName(ControlId id);

}  // namespace quire
