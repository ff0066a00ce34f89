#include "qt_test_support.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace quire::qt::test {

QByteArray CursorFileBytes(int hotX, int hotY) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(4, 4, 12, 20, Qt::black);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image)) throw std::runtime_error("cannot write an icon");
    // An icon file becomes a cursor file with type 2 and the hotspot in place of the first
    // entry's planes and colour depth.
    QByteArray bytes = buffer.data();
    bytes[2] = 2;
    bytes[10] = static_cast<char>(hotX & 0xFF);
    bytes[11] = static_cast<char>(hotX >> 8);
    bytes[12] = static_cast<char>(hotY & 0xFF);
    bytes[13] = static_cast<char>(hotY >> 8);
    return bytes;
}

}  // namespace quire::qt::test
