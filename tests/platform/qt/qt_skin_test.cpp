// The skin on the Qt window: recoloured to the button face, then the theme as style sheets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_skin_painter.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

constexpr const char* kTheme =
    "; a test theme\n"
    "[Window]\nFace = #102030\n"
    "[Frame]\nFace = #405060\nText = #708090\n"
    "[PushButton]\nFace = #A0B0C0\nHotFace = #A1B1C1\nPressedFace = #A2B2C2\n"
    "Border = #A3B3C3\nText = #A4B4C4\n";

class QtSkin : public ::testing::Test {
protected:
    void WriteTheme(const QByteArray& text) {
        test::WriteFile(fixture_.programFolder.Sub("x/o.cjs"), text);
    }
    test::ProgramFixture fixture_;
};

TEST_F(QtSkin, WithoutTheThemeFileTheWindowKeepsItsDesign) {
    QDir().mkpath(QString::fromStdString(fixture_.programFolder.Sub("x/o.cjs")));  // a folder
    Program program(fixture_.Setup());
    program.Start();
    EXPECT_TRUE(program.Window().styleSheet().isEmpty());
    EXPECT_EQ(program.Window().palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(program.Window().Control(ControlId::Frame1)->palette().color(QPalette::Window),
              QColor(Qt::white));
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
}

// A dark desktop theme (as GTK's Adwaita:dark gives Qt): the three input boxes share one look,
// the white fields of the light surfaces around them, skinned or not, each text readable.
TEST_F(QtSkin, TheThreeBoxesTakeTheirColoursFromOneRuleInADarkTheme) {
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    QApplication::setPalette(dark);
    for (const bool skinned : {false, true}) {
        if (skinned) WriteTheme(kTheme);
        Program program(fixture_.Setup());
        program.Start();
        for (const ControlId id : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) {
            const QPalette box = program.Window().TextBox(id)->palette();
            EXPECT_EQ(box.color(QPalette::Base), QColor(Qt::white)) << skinned << ControlName(id);
            EXPECT_EQ(box.color(QPalette::Text), QColor(Qt::black)) << skinned << ControlName(id);
        }
    }
    QApplication::setPalette(saved);
}

TEST_F(QtSkin, TheThemeRecoloursTheSurfacesAndSkinsTheButtons) {
    WriteTheme(kTheme);
    Program program(fixture_.Setup());
    program.Start();
    QtMainWindow& window = program.Window();
    EXPECT_EQ(window.TextBox(ControlId::Text1)->palette().color(QPalette::Base), QColor(Qt::white));

    const QString sheet = window.styleSheet();
    EXPECT_TRUE(sheet.contains(QStringLiteral("#Form1 { background-color: #102030; }")));
    // The theme's caption colour (#708090) does not read on its frame face: white stands in.
    for (const char* frame : {"#Frame3", "#Frame2", "#Frame1"}) {
        EXPECT_TRUE(
            sheet.contains(QLatin1String(frame) +
                           QStringLiteral(" { background-color: #405060; color: #ffffff; }")));
    }
    // The labels sit on Frame1 and take its face, their text one that reads on it.
    for (const char* label : {"#Label2", "#Label4"}) {
        EXPECT_TRUE(
            sheet.contains(QLatin1String(label) +
                           QStringLiteral(" { background-color: #405060; color: #ffffff; }")));
    }
    for (auto* button : window.findChildren<QPushButton*>()) {
        const QString own = button->styleSheet();
        // The theme's text (#a4b4c4) does not read on its face: black stands in.
        EXPECT_TRUE(own.contains(QStringLiteral("#a0b0c0")) &&
                    own.contains(QStringLiteral("color: #000000")))
            << own.toStdString();
    }
    EXPECT_TRUE(window.Button(ControlId::PushButton7)
                    ->styleSheet()
                    .section('\n', 0, 0)
                    .contains(QStringLiteral("transparent")))
        << "still flat";
    // The surfaces really are painted in the theme's colours.
    const QImage image = window.grab().toImage();
    const auto at = [&](ControlId id, QPoint p) {
        return image.pixelColor(window.Control(id)->mapTo(&window, p));
    };
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(at(ControlId::Frame2, {4, 48}), QColor(0x40, 0x50, 0x60));
    EXPECT_EQ(at(ControlId::Label4, {270, 8}), QColor(0x40, 0x50, 0x60));
    EXPECT_EQ(at(ControlId::PushButton1, {4, 13}), QColor(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(at(ControlId::Text1, {480, 12}), QColor(Qt::white));
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
}

// The load's outcome is not examined: a malformed theme leaves the recolouring and no theme.
TEST_F(QtSkin, AMalformedThemeIsNotReportedAndLeavesTheRecolouring) {
    WriteTheme("[Window]\nthis line is no setting\n");
    Program program(fixture_.Setup());
    program.Start();
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
    EXPECT_EQ(program.Window().palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(program.Window().styleSheet().isEmpty());
    EXPECT_EQ(program.View().Text(ControlId::Text1), "Folder ###") << "start-up went on";
}

TEST(QtSkinPainter, MessageBoxesTakeTheSkinsFace) {
    QtMainWindow window;
    QtDialogs dialogs(window);
    QtSkinPainter painter(window, dialogs);
    painter.Paint(SkinLook{0x00302010, 0x00302010, std::nullopt, std::nullopt, 0x00302010});
    QString sheet;
    test::ModalAnswerer answerer([&](QWidget& box) {
        sheet = box.styleSheet();
        box.close();
    });
    dialogs.ShowMessage("x", "t", BoxStyle::Ok);
    EXPECT_TRUE(sheet.contains(QStringLiteral("#102030"))) << sheet.toStdString();
    // Without a skinned push button look the buttons keep their design.
    EXPECT_TRUE(window.Button(ControlId::PushButton1)->styleSheet().contains("#ffffff"));
}

}  // namespace
}  // namespace quire::qt
