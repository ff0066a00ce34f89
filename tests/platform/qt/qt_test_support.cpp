#include "qt_test_support.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <map>
#include <string>
#include <vector>

#include "ui/contrast.h"

namespace quire::qt::test {
namespace {

Colour Plain(QRgb rgb) {
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
}

}  // namespace

double TextContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
    }
    QRgb background = 0;
    int most = 0;
    for (const auto& [rgb, count] : counts) {
        if (count > most) most = count, background = rgb;
    }
    double best = 1.0;
    for (const auto& [rgb, count] : counts) {
        best = std::max(best, ContrastRatio(Plain(background), Plain(rgb)));
    }
    return best;
}

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

namespace {

// Qt unloads its plugins as the process ends, and the libraries they brought in go with them,
// before the leak check runs: what those libraries keep until exit would then be reported from an
// unknown module, which no suppression by library name can match. Held loaded, they keep their
// names, and a leak of our own is still told from theirs.
void KeepLoadedLibrariesToTheEnd() {
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0')
                static_cast<std::vector<std::string>*>(found)->emplace_back(info->dlpi_name);
            return 0;
        },
        &names);
    for (const std::string& name : names)
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace

int RunOffscreenTests(int argc, char** argv, const std::function<std::optional<int>()>& takeOver) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    std::optional<int> status;
    if (takeOver) status = takeOver();
    if (!status) {
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    KeepLoadedLibrariesToTheEnd();
    return *status;
}

}  // namespace quire::qt::test
