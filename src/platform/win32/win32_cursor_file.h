// The hand cursor file's bytes, built into a cursor at the size the window's resolution calls for.
#pragma once

#include <string_view>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

// A cursor `pixels` square from the bytes of a .cur file: built from the file's image of that
// size, else from its smallest larger one, else from its largest, scaled with its hotspot. Throws
// Failure ("Invalid picture") when the bytes are no cursor file.
Cursor CursorFromBytes(std::string_view bytes, int pixels);

}  // namespace quire::win32
