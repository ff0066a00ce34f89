// The hand cursor file beside the program, read once and built into a cursor from its bytes at the
// size the window's resolution calls for.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

// A cursor `pixels` square from the bytes of a .cur file: built from the file's image of that
// size, else from its smallest larger one, else from its largest, scaled with its hotspot. Throws
// Failure ("Invalid picture") when the bytes are no cursor file.
Cursor CursorFromBytes(std::string_view bytes, int pixels);

// The bytes of the cursor file, read as an ordinary file under the small-file ceiling. Throws
// Failure with a true description when the file cannot be read.
std::string ReadCursorFile(const std::string& path);

}  // namespace quire::win32
