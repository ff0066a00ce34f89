// The Tab key: moves the focus through the main window's controls in the designed order.
#pragma once

#include <windows.h>

#include "ui/control_id.h"

namespace quire::win32 {

// The control after `current` in the focus order (before it when `backwards`), wrapping round.
// A control outside the order starts from the first.
ControlId NextTabStop(ControlId current, bool backwards);

// Handles a Tab key press aimed at `window` or one of its controls; false for any other message.
bool HandleTabKey(HWND window, const MSG& message);

}  // namespace quire::win32
