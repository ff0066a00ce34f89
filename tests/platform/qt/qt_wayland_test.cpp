// The window on a Wayland compositor (run by tests/e2e/qt_wayland_test.sh on weston's headless
// back end; skipped on any other platform): its size, a message box, and no maximising.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
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
    }

    test::ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
};

TEST_F(QtWayland, TheWindowHasItsDesignedClientSizeAndShowsAMessageBox) {
    QtMainWindow& window = program_.Window();
    EXPECT_EQ(window.size(), QSize(window.Pixels(8040), window.Pixels(4005)));
    bool shown = false;
    QtDialogs dialogs(window);
    test::ModalAnswerer answerer([&](QWidget& box) {
        shown = qobject_cast<QMessageBox*>(&box) != nullptr && QTest::qWaitForWindowExposed(&box);
        box.close();
    });
    dialogs.ShowMessage("Folder does not appear to be valid", "Pallisand Quire Batch",
                        BoxStyle::Ok);
    EXPECT_TRUE(shown);
}

// What the maximise button of the title bar that Qt draws asks for: the window takes the
// compositor's size (a fixed-size window made weston end the program), and its own again after.
TEST_F(QtWayland, AMaximisedWindowGoesOnAndComesBackToItsSize) {
    QtMainWindow& window = program_.Window();
    const QSize designed = window.size();
    window.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_VERIFY(window.isMaximized());
    EXPECT_EQ(window.Control(ControlId::PushButton1)->geometry().topLeft(),
              QPoint(window.Pixels(120), window.Pixels(3480)))
        << "the controls stay where they are";
    window.windowHandle()->setWindowStates(Qt::WindowNoState);
    QTRY_COMPARE(window.size(), designed);
}

}  // namespace
}  // namespace quire::qt
