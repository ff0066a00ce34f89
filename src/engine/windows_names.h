// Whether Windows creates a file or folder under exactly the name it is given. Plain logic on
// UTF-8 text, so that it decides alike on every system that must produce Windows names: the
// Windows file system refuses such names with it, and the command line's --portable everywhere.
#pragma once

#include <string>
#include <string_view>

namespace quire::windows {

// Why a folder or file of exactly this name cannot be made on Windows, or the empty text when it
// can: a name reserved for a device (CON, PRN, AUX, NUL, COM0-9, LPT0-9 and COM/LPT with ¹ ² ³,
// CONIN$, CONOUT$, in any case, with any extension), a name ending in a dot or blank (the system
// would drop them and make another name), a character the system refuses in names
// (< > : " / \ | ? * and the control characters), or more than the 255 UTF-16 code units a name
// may have. `name` is one path component.
std::string NameProblem(std::string_view name);

// True for a name the system reads as a device (the first of NameProblem's reasons).
bool IsDeviceName(std::string_view name);

// The first problem of the names in `relative`, a path below some folder whose components are
// separated by `separator` (and by '/' too when the separator is '\'), or the empty text. A "."
// before the last name is a step, as the system reads it; empty components are none.
std::string RelativePathProblem(std::string_view relative, char separator);

}  // namespace quire::windows
