#include "platform/qt/qt_cursor_file.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "engine/failure.h"

namespace quire::qt {
namespace {

int Word(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

}  // namespace

QCursor CursorFromBytes(std::string_view content, qreal devicePixelRatio) {
    const QByteArray bytes(content.data(), static_cast<qsizetype>(content.size()));
    // Header: reserved 0, type 2 (cursor), image count; then the first directory entry, whose
    // bytes 4 to 7 hold the hotspot where an icon would hold planes and colour depth.
    constexpr qsizetype kHeaderAndEntry = 6 + 16;
    if (bytes.size() < kHeaderAndEntry || Word(bytes, 0) != 0 || Word(bytes, 2) != 2 ||
        Word(bytes, 4) == 0) {
        throw Failure("Invalid picture");
    }
    const QImage image = QImage::fromData(bytes, "cur");
    if (image.isNull()) throw Failure("Invalid picture");
    // A hotspot outside the image would be refused by the display; keep it on the image.
    const int hotX = std::min(Word(bytes, 10), image.width() - 1);
    const int hotY = std::min(Word(bytes, 12), image.height() - 1);
    if (devicePixelRatio == 1.0) return QCursor(QPixmap::fromImage(image), hotX, hotY);
    // Drawn for the screen's pixels, its pixels doubled where the ratio is whole, so that the hand
    // keeps its size and stays sharp; the hotspot stays in the image's own units.
    const bool whole = devicePixelRatio == std::floor(devicePixelRatio);
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(image.size() * devicePixelRatio, Qt::KeepAspectRatio,
                                        whole ? Qt::FastTransformation : Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return QCursor(pixmap, hotX, hotY);
}

}  // namespace quire::qt
