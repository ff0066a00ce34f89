// The window on a Wayland compositor (run by tests/e2e/qt_wayland_test.sh on weston's headless
// back end, which leaves title bars to the client; skipped on any other platform): its own title
// bar and a message box's, its size, and no maximising.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "qt_test_support.h"

namespace quire::qt {
namespace {

class QtWayland : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
            GTEST_SKIP() << "runs on a Wayland compositor only";
        }
        program_.Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program_.Window()));
        strip_ = program_.Window().findChild<QWidget*>(QStringLiteral("TitleStrip"));
        ASSERT_NE(strip_, nullptr) << "weston leaves the title bar to the window";
    }

    QToolButton* TitleButton(const char* name) const {
        for (auto* button : strip_->findChildren<QToolButton*>()) {
            if (button->accessibleName() == QLatin1String(name)) return button;
        }
        return nullptr;
    }

    test::ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
    QWidget* strip_ = nullptr;
};

TEST_F(QtWayland, TheWindowsOwnTitleBarSitsAboveItsDesignedSurface) {
    QtMainWindow& window = program_.Window();
    EXPECT_EQ(window.windowHandle()->frameMargins(), QMargins()) << "Qt draws no bar of its own";
    const int top = strip_->height();
    EXPECT_EQ(strip_->geometry(), QRect(0, 0, window.width(), top));
    EXPECT_EQ(window.size(), QSize(window.Pixels(8040), window.Pixels(4005) + top));
    EXPECT_EQ(window.Control(ControlId::PushButton1)->pos(),
              QPoint(window.Pixels(120), window.Pixels(3480) + top));
}

// A message box draws its bar too: the whole caption, Close alone, which answers as Escape does.
TEST_F(QtWayland, AMessageBoxHasItsOwnTitleBarWithCloseAlone) {
    QStringList buttons;
    bool framed = true;
    bool whole = false;
    test::ModalAnswerer answerer([&](QWidget& box) {
        auto* strip = box.findChild<QWidget*>(QStringLiteral("TitleStrip"));
        if (strip == nullptr || !QTest::qWaitForWindowExposed(&box)) {
            box.close();
            return;
        }
        framed = box.windowHandle()->frameMargins() != QMargins();
        whole = strip->sizeHint().width() <= strip->width();
        for (auto* button : strip->findChildren<QToolButton*>())
            buttons << button->accessibleName();
        strip->findChild<QToolButton*>()->click();
    });
    QtDialogs dialogs(program_.Window());
    const BoxAnswer answer = dialogs.ShowMessage("Remove the 20 empty folders?",
                                                 "Pallisand Quire Batch", BoxStyle::YesNo);
    EXPECT_EQ(buttons, QStringList{QStringLiteral("Close")});
    EXPECT_FALSE(framed) << "Qt draws no bar of its own";
    EXPECT_TRUE(whole) << "the caption is not cut short";
    EXPECT_EQ(answer, BoxAnswer::No);
}

// What a screen reader finds on the window's bar: two buttons, and none that maximises.
TEST_F(QtWayland, TheTitleBarMinimizesAndClosesAndNeverMaximizes) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(strip_);
    ASSERT_NE(bar, nullptr);
    QStringList found;
    for (int i = 0; i < bar->childCount(); ++i) {
        EXPECT_EQ(bar->child(i)->role(), QAccessible::Button);
        found << bar->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(found, (QStringList{QStringLiteral("Minimize"), QStringLiteral("Close")}));

    TitleButton("Minimize")->click();
    QTRY_VERIFY(program_.Window().windowState() & Qt::WindowMinimized);
    TitleButton("Close")->click();
    QTRY_COMPARE(fixture_.exits, 1);
}

// The compositor may still maximise the window (weston ends a client that then keeps its size):
// it takes that size, its controls staying where they are, and its own size again after.
TEST_F(QtWayland, AMaximisedWindowGoesOnAndComesBackToItsSize) {
    QtMainWindow& window = program_.Window();
    const QSize designed = window.size();
    const QPoint button = window.Control(ControlId::PushButton1)->pos();
    window.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_VERIFY(window.isMaximized());
    EXPECT_EQ(window.Control(ControlId::PushButton1)->pos(), button);
    EXPECT_EQ(strip_->width(), window.width()) << "the bar spans the window";
    window.windowHandle()->setWindowStates(Qt::WindowNoState);
    QTRY_COMPARE(window.size(), designed);
}

}  // namespace
}  // namespace quire::qt
