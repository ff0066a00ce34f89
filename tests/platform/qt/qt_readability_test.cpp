// The window read as a user sees it under desktop themes that are not the default light one:
// every caption and box text against its background, measured on a picture of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <map>

#include "qt_test_support.h"
#include "ui/contrast.h"
#include "ui/form1_design.h"

namespace quire::qt {
namespace {

struct Desktop {
    const char* name;
    QColor window, windowText, base, text, button, buttonText;
    bool skinned;
};

void PrintTo(const Desktop& desktop, std::ostream* out) { *out << desktop.name; }

Colour Plain(QRgb rgb) {
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
}

// The contrast of the text in `area`: its most common colour is the background, and the colour
// that stands out most from it is the text's.
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

class QtReadability : public ::testing::TestWithParam<Desktop> {
protected:
    QtReadability() : saved_(QApplication::palette()) {
        const Desktop& d = GetParam();
        QPalette palette;
        palette.setColor(QPalette::Window, d.window);
        palette.setColor(QPalette::WindowText, d.windowText);
        palette.setColor(QPalette::Base, d.base);
        palette.setColor(QPalette::Text, d.text);
        palette.setColor(QPalette::Button, d.button);
        palette.setColor(QPalette::ButtonText, d.buttonText);
        QApplication::setPalette(palette);
        if (d.skinned) {
            test::WriteFile(fixture_.programFolder.Sub("x/o.cjs"), "[Frame]\nText = #101010\n");
        }
    }
    ~QtReadability() override { QApplication::setPalette(saved_); }

    QPalette saved_;
    test::ProgramFixture fixture_;
};

TEST_P(QtReadability, EveryCaptionAndBoxTextReadsOnItsBackground) {
    Program program(fixture_.Setup());
    program.Start();
    QtMainWindow& window = program.Window();
    window.TextBox(ControlId::Text3)->setText(QStringLiteral("/home/someone/Jobs"));
    const QImage image = window.grab().toImage();
    const qreal scale = window.devicePixelRatioF();
    for (const ControlDesign& design : Form1Controls()) {
        if (design.kind == ControlKind::SkinComponent || design.id == ControlId::Text4) continue;
        QWidget* control = window.Control(design.id);
        // A frame's text is its caption, in its top line.
        QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (design.kind == ControlKind::Frame) area.setHeight(control->fontMetrics().height());
        area = QRect((area.topLeft() * scale), area.size() * scale).intersected(image.rect());
        EXPECT_GE(TextContrast(image, area), kReadableContrast) << ControlName(design.id);
    }
}

TEST_P(QtReadability, AMessageBoxSetsItsTextWithItsFace) {
    Program program(fixture_.Setup());
    program.Start();
    double contrast = 0;
    test::ModalAnswerer answerer([&](QWidget& box) {
        const QImage image = box.grab().toImage();
        contrast = TextContrast(image, image.rect());
        box.close();
    });
    QtDialogs dialogs(program.Window());
    dialogs.SetFace(GetParam().skinned ? std::optional<Colour>(0x00302010) : std::nullopt);
    dialogs.ShowMessage("Folder does not appear to be valid", "Pallisand Quire Batch",
                        BoxStyle::Ok);
    EXPECT_GE(contrast, kReadableContrast);
}

INSTANTIATE_TEST_SUITE_P(
    Themes, QtReadability,
    testing::Values(Desktop{"Dark", QColor(0x30, 0x30, 0x30), Qt::white, QColor(0x20, 0x20, 0x20),
                            Qt::white, QColor(0x40, 0x40, 0x40), Qt::white, false},
                    Desktop{"DarkSkinned", QColor(0x30, 0x30, 0x30), Qt::white,
                            QColor(0x20, 0x20, 0x20), Qt::white, QColor(0x40, 0x40, 0x40),
                            Qt::white, true},
                    Desktop{"TextLikeItsBackground", Qt::white, Qt::white, Qt::white, Qt::white,
                            Qt::white, Qt::white, false},
                    Desktop{"HighContrastSkinned", Qt::black, Qt::yellow, Qt::black, Qt::yellow,
                            Qt::black, Qt::yellow, true}),
    [](const testing::TestParamInfo<Desktop>& desktop) { return std::string(desktop.param.name); });

}  // namespace
}  // namespace quire::qt
