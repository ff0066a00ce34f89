// Loads a pointer image file in the platform's cursor format (.cur).
#pragma once

#include <QCursor>
#include <string>

namespace quire::qt {

// The cursor in the file, with the hotspot of its first image. Throws Failure when the file
// cannot be read (nothing there, no ordinary file, over 1 MiB) or holds no cursor.
QCursor LoadCursorFile(const std::string& path);

}  // namespace quire::qt
