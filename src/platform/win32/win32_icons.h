// The application icon at the size a window's resolution calls for.
#pragma once

#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

// The icon resource `id` of `module`, `size` pixels square, scaled down from a larger image where
// the icon has none of that size (never up from a smaller one). Throws Failure when it cannot be
// loaded.
Icon LoadIconScaledDown(HINSTANCE module, int id, int size);

}  // namespace quire::win32
