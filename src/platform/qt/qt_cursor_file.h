// Loads a pointer image file in the platform's cursor format (.cur).
#pragma once

#include <QCursor>
#include <string>

namespace quire::qt {

// The cursor in the file, with the hotspot of its first image, drawn for a screen of the given
// device pixel ratio (32 pixels at 1, 64 at 2). Throws Failure when the file
// cannot be read (nothing there, no ordinary file, over 1 MiB) or holds no cursor.
QCursor LoadCursorFile(const std::string& path, qreal devicePixelRatio = 1.0);

}  // namespace quire::qt
