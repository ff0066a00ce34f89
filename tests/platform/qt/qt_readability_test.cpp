// The window read as a user sees it under desktop themes that are not the default light one:
// every caption and box text against its background, measured on a picture of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>

#include "platform/qt/qt_options_view.h"
#include "platform/qt/qt_title_strip.h"
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
        EXPECT_GE(test::TextContrast(image, area), kReadableContrast) << ControlName(design.id);
    }
}

TEST_P(QtReadability, AMessageBoxSetsItsTextWithItsFace) {
    Program program(fixture_.Setup());
    program.Start();
    double contrast = 0;
    test::ModalAnswerer answerer([&](QWidget& box) {
        const QImage image = box.grab().toImage();
        contrast = test::TextContrast(image, image.rect());
        box.close();
    });
    QtDialogs dialogs(program.Window());
    dialogs.SetFace(GetParam().skinned ? std::optional<Colour>(0x00302010) : std::nullopt);
    dialogs.ShowMessage("Folder does not appear to be valid", "Pallisand Quire Batch",
                        BoxStyle::Ok);
    EXPECT_GE(contrast, kReadableContrast);
}

// The title bar the window draws on Wayland compositors that leave it to the client: its title
// and each button's glyph, in the palette's colours.
TEST_P(QtReadability, TheOwnTitleBarReadsOnItsFace) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pallisand Quire Batch"));
    window.resize(536, 267);
    auto* strip = new QtTitleStrip(window);
    const QImage image = strip->grab().toImage();
    const qreal scale = strip->devicePixelRatioF();
    const QList<QWidget*> buttons = strip->findChildren<QWidget*>();
    ASSERT_EQ(buttons.size(), 2);
    QList<QRect> areas{QRect(0, 0, buttons[0]->x(), strip->height())};
    for (const QWidget* button : buttons) areas.push_back(button->geometry());
    for (const QRect& area : areas) {
        EXPECT_GE(test::TextContrast(image, QRect(area.topLeft() * scale, area.size() * scale)),
                  kReadableContrast)
            << area.x();
    }
}

// The Options dialog keeps the desktop's colours: every caption, box and refusal reads on them.
TEST_P(QtReadability, TheOptionsDialogReadsOnItsFace) {
    Program program(fixture_.Setup());
    program.Start();
    QtOptionsView view(program.Window());
    for (const OptionField field : {OptionField::Start, OptionField::Step, OptionField::Each,
                                    OptionField::Template, OptionField::Names}) {
        view.SetText(field, "-1 Acme");
    }
    view.SetProblem(OptionField::Start, "The first counter cannot be below 0.");
    view.Dialog().show();
    const QImage image = view.Dialog().grab().toImage();
    const qreal scale = view.Dialog().devicePixelRatioF();
    for (QWidget* widget : view.Dialog().findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->inherits("QDialogButtonBox") ||
            widget->inherits("QScrollBar") || widget->parentWidget() != &view.Dialog()) {
            continue;
        }
        const QRect area(widget->pos() * scale, widget->size() * scale);
        EXPECT_GE(test::TextContrast(image, area.intersected(image.rect())), kReadableContrast)
            << widget->metaObject()->className() << ' ' << widget->accessibleName().toStdString();
    }
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
