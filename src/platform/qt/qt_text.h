// The core's texts (bytes, normally UTF-8) as Qt's and back, losing no byte: a byte that is no
// part of valid UTF-8, as in a file name of another encoding, travels through a text box as a
// lone surrogate (U+DC80 to U+DCFF) and comes back as the same byte.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quire::qt {

QString FromBytes(std::string_view bytes);
std::string ToBytes(const QString& text);

}  // namespace quire::qt
