// The view over the Qt window: texts and their change procedures, captions, pointer, colours,
// and the routing of the pointer's moves to the hover procedures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWindow>
#include <filesystem>

#include "engine/failure.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_cursor_file.h"
#include "qt_test_support.h"
#include "ui/form1_design.h"

namespace quire::qt {
namespace {

using test::ProgramFixture;

class QtView : public ::testing::Test {
protected:
    QtView() : program_(fixture_.Setup()) {}

    QtForm1View& View() { return program_.View(); }
    QtMainWindow& Window() { return program_.Window(); }
    QString Stored(const char* key) {
        return QSettings(fixture_.SettingsFile(), QSettings::NativeFormat)
            .value(QStringLiteral("Pallisand Quire Batch Utility/") + QLatin1String(key))
            .toString();
    }

    ProgramFixture fixture_;
    Program program_;
};

TEST_F(QtView, SettingADifferentTextRunsTheChangeProcedureBeforeReturning) {
    View().SetText(ControlId::Text1, "Invoice ##");
    // Text1_Change has run: the preview follows and the text is stored.
    EXPECT_EQ(Window().Label(ControlId::Label4)->text(), QStringLiteral("Invoice 01"));
    EXPECT_EQ(Stored("Text1"), QStringLiteral("Invoice ##"));
    EXPECT_EQ(View().Text(ControlId::Text1), "Invoice ##");
}

TEST_F(QtView, TheSameTextAgainRunsNothing) {
    View().SetText(ControlId::Text2, "7");
    QFile::remove(fixture_.SettingsFile());
    View().SetText(ControlId::Text2, "7");
    EXPECT_FALSE(QFile::exists(fixture_.SettingsFile()));
}

TEST_F(QtView, TypingRunsTheChangeProcedureOnEveryKey) {
    QLineEdit* box = Window().TextBox(ControlId::Text2);
    box->clear();
    QTest::keyClicks(box, QStringLiteral("12x"));
    EXPECT_EQ(Stored("Text2"), QStringLiteral("12x"));
}

TEST_F(QtView, TextsOfAnyLengthAndScriptArriveWhole) {
    const std::string longText(70000, 'a');
    View().SetText(ControlId::Text3, longText);
    EXPECT_EQ(View().Text(ControlId::Text3), longText);
    const std::string unicode = "Ordner \xC3\xA4\xE2\x82\xAC #";  // "Ordner ä€ #"
    View().SetText(ControlId::Text1, unicode);
    EXPECT_EQ(View().Text(ControlId::Text1), unicode);
}

TEST_F(QtView, CaptionsAreShownAsPlainTextAndClippedToTheLabel) {
    const QRect before = Window().Label(ControlId::Label4)->geometry();
    View().SetLabelCaption(ControlId::Label4, "<b>bold</b> " + std::string(200, 'x'));
    const QLabel* label = Window().Label(ControlId::Label4);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->geometry(), before);
    View().SetWindowCaption("Pallisand Quire Batch Utility");
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Pallisand Quire Batch Utility"));
}

TEST_F(QtView, ControlsOfTheWrongKindAreRefused) {
    EXPECT_THROW(View().SetText(ControlId::Label4, "x"), Failure);
    EXPECT_THROW(View().SetLabelCaption(ControlId::Text1, "x"), Failure);
    EXPECT_THROW(View().SetBackColor(ControlId::SkinFramework1, 0), Failure);
}

TEST_F(QtView, BackColorResolvesSystemColours) {
    View().SetBackColor(ControlId::Frame1, 0x8000000F);
    EXPECT_EQ(Window().Control(ControlId::Frame1)->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    View().SetBackColor(ControlId::Form1, 0x000000FF);  // red in the low byte
    EXPECT_EQ(Window().palette().color(QPalette::Window), QColor(255, 0, 0));
}

// The bytes as the view is given them.
std::string_view Bytes(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

TEST(QtCursorFile, ACursorFileGivesItsImageAndTheHotspotOfItsDirectory) {
    const QCursor cursor = CursorFromBytes(Bytes(test::CursorFileBytes(9, 3)));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 3));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(QtCursorFile, BytesThatAreNoCursorAreAnInvalidPicture) {
    QByteArray icon = test::CursorFileBytes(0, 0);
    icon[2] = 1;  // an icon, not a cursor
    for (const QByteArray& bytes : {QByteArray("not a cursor at all, just some text"), icon,
                                    test::CursorFileBytes(0, 0).left(40), QByteArray()}) {
        try {
            CursorFromBytes(Bytes(bytes));
            ADD_FAILURE() << bytes.size();
        } catch (const Failure& failure) {
            EXPECT_EQ(std::string(failure.what()), "Invalid picture");
        }
    }
}

// At 144 and 192 dpi the hand keeps its size on the screen: 48 and 64 of the screen's pixels.
TEST(QtCursorFile, IsDrawnForTheScreensPixels) {
    const QByteArray bytes = test::CursorFileBytes(9, 3);
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QCursor cursor = CursorFromBytes(Bytes(bytes), ratio);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32) * ratio) << ratio;
        EXPECT_EQ(cursor.pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(cursor.hotSpot(), QPoint(9, 3)) << "in the image's own units";
    }
}

TEST(QtCursorFile, AHotspotOutsideTheImageIsKeptOnIt) {
    EXPECT_EQ(CursorFromBytes(Bytes(test::CursorFileBytes(500, 40))).hotSpot(), QPoint(31, 31));
}

TEST_F(QtView, CustomPointerShowsTheMouseIconDefaultShowsTheArrow) {
    View().SetMousePointer(MousePointer::Custom);
    EXPECT_EQ(Window().cursor().shape(), Qt::ArrowCursor) << "no image: the default pointer";
    View().SetMouseIcon(Bytes(test::CursorFileBytes(5, 1)));
    View().SetMousePointer(MousePointer::Custom);
    EXPECT_EQ(Window().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Window().cursor().hotSpot(), QPoint(5, 1));
    View().SetMousePointer(MousePointer::Default);
    EXPECT_EQ(Window().cursor().shape(), Qt::ArrowCursor);
}

// Runs at scale factors of 1.5 and 2 as well.
TEST_F(QtView, TheHandIsDrawnForTheWindowsScreen) {
    View().SetMouseIcon(Bytes(test::CursorFileBytes(5, 1)));
    View().SetMousePointer(MousePointer::Custom);
    const qreal ratio = Window().devicePixelRatioF();
    EXPECT_EQ(Window().cursor().pixmap().size(), (QSizeF(32, 32) * ratio).toSize());
}

// Runs on two screens of scales 1 and 2 (QtView.TwoScreens); skipped on one.
TEST_F(QtView, TheHandFollowsTheWindowToAScreenOfAnotherScale) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "needs two screens";
    test::WriteFile(fixture_.programFolder.Sub("HAND-M.CUR"), test::CursorFileBytes(5, 1));
    program_.Start();
    View().SetMousePointer(MousePointer::Custom);
    for (QScreen* screen : {screens[1], screens[0], screens[1]}) {
        Window().windowHandle()->setScreen(screen);
        const qreal ratio = screen->devicePixelRatio();
        EXPECT_EQ(Window().cursor().pixmap().size(), (QSizeF(32, 32) * ratio).toSize()) << ratio;
        EXPECT_EQ(Window().cursor().hotSpot(), QPoint(5, 1)) << "in the image's own units";
    }
    std::filesystem::remove(fixture_.programFolder.Sub("HAND-M.CUR"));
    Window().windowHandle()->setScreen(screens[0]);
    EXPECT_EQ(Window().cursor().pixmap().size(),
              (QSizeF(32, 32) * screens[0]->devicePixelRatio()).toSize())
        << "the hand's bytes are kept: a file gone still follows the screen";
}

TEST_F(QtView, AFileThatIsNoCursorFailsAndLeavesNoCustomImage) {
    View().SetMouseIcon(Bytes(test::CursorFileBytes(5, 1)));
    EXPECT_THROW(View().SetMouseIcon("text"), Failure);
    View().SetMousePointer(MousePointer::Custom);
    EXPECT_EQ(Window().cursor().shape(), Qt::ArrowCursor);
}

// The pointer's moves, as the window system delivers them, reach the hover procedures.
class QtHover : public QtView {
protected:
    QtHover() {
        test::WriteFile(fixture_.programFolder.Sub("HAND-M.CUR"), test::CursorFileBytes(5, 1));
        program_.Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }

    void MoveOver(ControlId id, QPoint at = {}) {
        QWidget* widget = Window().Control(id);
        if (at.isNull()) at = widget->rect().center();
        QTest::mouseMove(widget, at);
        QApplication::processEvents();
    }
    MousePointer Pointer() { return View().Pointer(); }
};

TEST_F(QtHover, PushButtonsSetTheHandAndTheSurfacesSetTheDefault) {
    for (const ControlId button : {ControlId::PushButton1, ControlId::PushButton2,
                                   ControlId::PushButton6, ControlId::PushButton7}) {
        MoveOver(ControlId::Form1, {530, 5});
        ASSERT_EQ(Pointer(), MousePointer::Default);
        MoveOver(button);
        EXPECT_EQ(Pointer(), MousePointer::Custom) << ControlName(button);
        EXPECT_EQ(Window().cursor().shape(), Qt::BitmapCursor);
    }
    for (const ControlId surface : {ControlId::Frame1, ControlId::Frame2, ControlId::Frame3,
                                    ControlId::Text1, ControlId::Text2}) {
        MoveOver(ControlId::PushButton1);
        MoveOver(surface, {3, 12});
        EXPECT_EQ(Pointer(), MousePointer::Default) << ControlName(surface);
    }
}

TEST_F(QtHover, ControlsWithoutAHandlerLeaveThePointerAlone) {
    MoveOver(ControlId::PushButton7);
    for (const ControlId quiet : {ControlId::Text3, ControlId::Label2, ControlId::Label4}) {
        MoveOver(quiet);
        EXPECT_EQ(Pointer(), MousePointer::Custom) << ControlName(quiet);
    }
    MoveOver(ControlId::Frame3, {3, 40});  // the frame's own surface, below its children
    EXPECT_EQ(Pointer(), MousePointer::Default);
}

}  // namespace
}  // namespace quire::qt
