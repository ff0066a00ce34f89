// The window as built from the design: places, captions, fonts, colours, focus order.
#include "platform/qt/qt_main_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt_test_support.h"
#include "ui/form1_design.h"

namespace quire::qt {
namespace {

QRect DesignRect(const QtMainWindow& window, const TwipRect& r) {
    return {window.Pixels(r.left), window.Pixels(r.top), window.Pixels(r.width),
            window.Pixels(r.height)};
}

bool IsVisibleControl(const ControlDesign& design) {
    return design.kind != ControlKind::SkinComponent;
}

TEST(QtWindow, ClientAreaIsFixedWithoutMaximiseAt96Dpi) {
    QtMainWindow window;
    ASSERT_EQ(window.Pixels(15), 1) << "the tests expect 96 dots per inch";
    EXPECT_EQ(window.size(), QSize(536, 267));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST(QtWindow, EveryControlStandsAtItsDesignedPixelsInItsContainer) {
    QtMainWindow window;
    for (const ControlDesign& design : Form1Controls()) {
        if (!IsVisibleControl(design)) continue;
        SCOPED_TRACE(std::string(ControlName(design.id)));
        const QWidget* widget = window.Control(design.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), window.Control(design.container));
        EXPECT_EQ(widget->geometry(), DesignRect(window, design.twips));
        const TwipRect client = ClientTwips(design.id);
        EXPECT_EQ(widget->mapTo(&window, QPoint(0, 0)),
                  QPoint(window.Pixels(client.left), window.Pixels(client.top)));
    }
    // Spot checks against the pixel column of the design.
    EXPECT_EQ(window.Control(ControlId::PushButton7)->geometry(), QRect(464, 20, 40, 23));
    EXPECT_EQ(window.Control(ControlId::Label4)->geometry(), QRect(224, 45, 273, 17));
    EXPECT_EQ(window.Control(ControlId::PushButton1)->geometry(), QRect(8, 232, 520, 27));
}

TEST(QtWindow, HiddenFocusBoxLiesWhollyBelowTheClientArea) {
    QtMainWindow window;
    const QWidget* text4 = window.Control(ControlId::Text4);
    EXPECT_FALSE(window.rect().intersects(text4->geometry()));
    EXPECT_GE(text4->geometry().top(), window.height());
}

TEST(QtWindow, CaptionsAreExactlyAsDesignedLeadingBlanksKept) {
    QtMainWindow window;
    for (const ControlDesign& design : Form1Controls()) {
        SCOPED_TRACE(std::string(ControlName(design.id)));
        const QString caption =
            QString::fromUtf8(design.caption.data(), static_cast<qsizetype>(design.caption.size()));
        QWidget* widget = window.Control(design.id);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(box->text(), caption);
        }
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), caption);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), caption);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), caption);
        }
    }
    EXPECT_EQ(window.Label(ControlId::Label2)->text(),
              QStringLiteral(" First folder created will appear as:"));
}

TEST(QtWindow, FontsAreArialOrItsMetricTwinBoldAtTheDesignedSizes) {
    QtMainWindow window;
    for (const ControlDesign& design : Form1Controls()) {
        if (!IsVisibleControl(design)) continue;
        SCOPED_TRACE(std::string(ControlName(design.id)));
        const QFont font = window.Control(design.id)->font();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), design.font->points);
        EXPECT_EQ(font.weight(), QFont::Bold);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(family == QStringLiteral("Arial") ||
                    family == QStringLiteral("Liberation Sans"))
            << family.toStdString();
    }
    EXPECT_DOUBLE_EQ(window.Button(ControlId::PushButton1)->font().pointSizeF(), 11.25);
    EXPECT_DOUBLE_EQ(window.TextBox(ControlId::Text1)->font().pointSizeF(), 9.0);
}

TEST(QtWindow, DesignColours) {
    QtMainWindow window;
    const QColor white(Qt::white);
    EXPECT_EQ(window.Label(ControlId::Label4)->palette().color(QPalette::WindowText),
              QColor(Qt::black));
    EXPECT_EQ(window.Label(ControlId::Label2)->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ButtonText));
    for (const ControlId id : {ControlId::Frame1, ControlId::Frame2, ControlId::Frame3,
                               ControlId::Label2, ControlId::Label4}) {
        EXPECT_EQ(window.Control(id)->palette().color(QPalette::Window), white);
        EXPECT_TRUE(window.Control(id)->autoFillBackground());
    }
    for (const ControlId id : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) {
        EXPECT_EQ(window.TextBox(id)->palette().color(QPalette::Base), white);
    }
    EXPECT_TRUE(window.Button(ControlId::PushButton6)->styleSheet().contains("#ffffff"));
}

TEST(QtWindow, OnlyTheBrowseButtonIsDrawnFlat) {
    QtMainWindow window;
    const auto rests = [&](ControlId id) {
        return window.Button(id)->styleSheet().section('\n', 0, 0);
    };
    EXPECT_TRUE(rests(ControlId::PushButton7).contains("transparent"));
    for (const ControlId id :
         {ControlId::PushButton1, ControlId::PushButton2, ControlId::PushButton6}) {
        EXPECT_FALSE(rests(id).contains("transparent"));
    }
}

TEST(QtWindow, TabVisitsTheDesignedOrderAndWrapsShiftTabReverses) {
    QtMainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    window.TextBox(ControlId::Text4)->setFocus();
    const auto order = Form1TabOrder();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.Control(order[i % order.size()])) << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), window.Control(order[i])) << i;
    }
    for (const ControlId id : {ControlId::Frame1, ControlId::Frame2, ControlId::Frame3,
                               ControlId::Label2, ControlId::Label4}) {
        EXPECT_EQ(window.Control(id)->focusPolicy(), Qt::NoFocus);
    }
}

TEST(QtWindow, NoButtonIsTheDefaultOne) {
    QtMainWindow window;
    for (auto* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
    }
}

TEST(QtWindow, EnterOrReturnOnAFocusedButtonClicksIt) {
    QtMainWindow window;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        int clicks = 0;
        QPushButton* button = window.Button(ControlId::PushButton6);
        const auto connection = QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::keyClick(button, key);
        QTest::keyClick(window.TextBox(ControlId::Text1), key);  // a box keeps its own Enter
        EXPECT_EQ(clicks, 1);
        QObject::disconnect(connection);
    }
}

// Runs at a scale factor of 1.5 as well: the window scales as a whole, nothing is clipped.
TEST(QtWindow, EveryCaptionFitsItsControlAtThisScale) {
    QtMainWindow window;
    EXPECT_EQ(window.width(), window.Pixels(8040));
    const qreal scale = window.devicePixelRatioF();
    EXPECT_EQ(window.grab().size(), (QSizeF(window.size()) * scale).toSize());
    for (const ControlDesign& design : Form1Controls()) {
        if (design.kind != ControlKind::PushButton && design.kind != ControlKind::Frame &&
            design.id != ControlId::Label2) {
            continue;
        }
        SCOPED_TRACE(std::string(ControlName(design.id)));
        const QWidget* widget = window.Control(design.id);
        const QFontMetrics metrics(widget->font());
        const QString caption =
            QString::fromUtf8(design.caption.data(), static_cast<qsizetype>(design.caption.size()));
        EXPECT_LT(metrics.horizontalAdvance(caption), widget->width());
        EXPECT_LE(metrics.height(), widget->height());
    }
    // The text boxes hold a line of their font.
    const QLineEdit* box = window.TextBox(ControlId::Text1);
    EXPECT_GE(box->height(), QFontMetrics(box->font()).height());
}

}  // namespace
}  // namespace quire::qt
