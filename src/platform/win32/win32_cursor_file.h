// The hand cursor file beside the program, read once and built into a cursor from its bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

// A cursor from the bytes of a .cur file: the image of the size the system uses for cursors
// when the file has one, else its first, with the hotspot its directory gives. Throws Failure
// ("Invalid picture") when the bytes are no cursor file.
Cursor CursorFromBytes(std::string_view bytes);

// Reads the cursor file as an ordinary file under the small-file ceiling and builds the cursor.
// Throws Failure with a true description when the file cannot be read or is no cursor.
Cursor LoadCursorFile(const std::string& path);

}  // namespace quire::win32
