// Loads a pointer image file in the platform's cursor format (.cur).
#pragma once

#include <QCursor>
#include <QString>

namespace quire::qt {

// The cursor in the file, with the hotspot of its first image. Throws Failure when the file
// cannot be read or holds no cursor.
QCursor LoadCursorFile(const QString& path);

}  // namespace quire::qt
