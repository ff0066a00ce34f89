// Builds a pointer image from the bytes of a file in the platform's cursor format (.cur).
#pragma once

#include <QCursor>
#include <string_view>

namespace quire::qt {

// The cursor the file's bytes hold, with the hotspot of its first image, drawn for a screen of
// the given device pixel ratio (32 pixels at 1, 64 at 2). Throws Failure ("Invalid picture") when
// the bytes are no cursor.
QCursor CursorFromBytes(std::string_view bytes, qreal devicePixelRatio = 1.0);

}  // namespace quire::qt
