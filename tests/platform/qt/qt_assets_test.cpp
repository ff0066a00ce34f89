// The files that ship with the program, as the Qt program reads them.
#include <gtest/gtest.h>

#include <QIcon>

#include "platform/qt/qt_cursor_file.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

const QString kAssets = QStringLiteral(QUIRE_ASSETS_DIR);

TEST(QtAssets, TheHandCursorIsA32PixelCursorWithItsHotspotOnTheImage) {
    const QByteArray bytes = test::ReadFile(kAssets + QStringLiteral("/HAND-M.CUR"));
    const QCursor cursor =
        CursorFromBytes({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    const QPoint hotspot(static_cast<unsigned char>(bytes[10]),
                         static_cast<unsigned char>(bytes[12]));
    EXPECT_EQ(cursor.hotSpot(), hotspot);
    // The hotspot is the fingertip: a drawn pixel of the image.
    EXPECT_GT(cursor.pixmap().toImage().pixelColor(hotspot).alpha(), 0);
}

TEST(QtAssets, TheShippedThemeSkinsTheWindowWithoutAReport) {
    test::ProgramFixture fixture;
    test::WriteFile(fixture.programFolder.Sub("x/o.cjs"),
                    test::ReadFile(kAssets + QStringLiteral("/x/o.cjs")));
    test::WriteFile(fixture.programFolder.Sub("HAND-M.CUR"),
                    test::ReadFile(kAssets + QStringLiteral("/HAND-M.CUR")));
    Program program(fixture.Setup());
    program.Start();
    EXPECT_TRUE(fixture.dialogs.shown.empty());
    EXPECT_FALSE(program.Window().styleSheet().isEmpty());
}

TEST(QtAssets, TheWindowIconHoldsTheFourSizes) {
    test::ProgramFixture fixture;
    Program program(fixture.Setup());
    program.Start();
    const QList<QSize> sizes = program.Window().windowIcon().availableSizes();
    for (const int size : {32, 48, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

}  // namespace
}  // namespace quire::qt
