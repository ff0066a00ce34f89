// Real message boxes: icon, buttons, caption, text and the answer, each dismissed by a timer.
#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "qt_test_support.h"

namespace quire::qt {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    QString sheet;
    bool modal = false;
};

// Shows one box through the port and presses `press` on it.
std::pair<BoxAnswer, SeenBox> ShowAndPress(QtDialogs& dialogs, const std::string& text,
                                           BoxStyle style, QMessageBox::StandardButton press) {
    SeenBox seen;
    test::ModalAnswerer answerer([&](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        if (!box) return widget.close(), void();
        seen = {box->windowTitle(), box->text(),       box->icon(),   box->standardButtons(),
                box->textFormat(),  box->styleSheet(), box->isModal()};
        if (QAbstractButton* button = box->button(press))
            button->click();
        else
            box->close();
    });
    const BoxAnswer answer = dialogs.ShowMessage(text, "Pallisand Quire Batch", style);
    EXPECT_EQ(answerer.Answered(), 1);
    return {answer, seen};
}

class QtMessageBoxes : public ::testing::Test {
protected:
    QWidget owner_;
    QtDialogs dialogs_{owner_};
};

TEST_F(QtMessageBoxes, NoticeHasNoIconAndOnlyOk) {
    const auto [answer, seen] =
        ShowAndPress(dialogs_, "Folder does not appear to be valid", BoxStyle::Ok, QMessageBox::Ok);
    EXPECT_EQ(answer, BoxAnswer::Ok);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.title, QStringLiteral("Pallisand Quire Batch"));
    EXPECT_EQ(seen.text, QStringLiteral("Folder does not appear to be valid"));
    EXPECT_TRUE(seen.modal);
}

TEST_F(QtMessageBoxes, QuestionHasNoIconAndAnswersYesOrNo) {
    const auto yes = ShowAndPress(dialogs_, "Open?", BoxStyle::YesNo, QMessageBox::Yes);
    EXPECT_EQ(yes.first, BoxAnswer::Yes);
    EXPECT_EQ(yes.second.icon, QMessageBox::NoIcon);
    EXPECT_EQ(yes.second.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ShowAndPress(dialogs_, "Open?", BoxStyle::YesNo, QMessageBox::No).first,
              BoxAnswer::No);
    // Closing the box without a button is no Yes.
    EXPECT_EQ(ShowAndPress(dialogs_, "Open?", BoxStyle::YesNo, QMessageBox::NoButton).first,
              BoxAnswer::No);
}

TEST_F(QtMessageBoxes, ErrorReportHasTheWarningIconAndItsLineBreaks) {
    const auto [answer, seen] =
        ShowAndPress(dialogs_, "No such file\r\nin Ctx at line 126\r\rPlease email",
                     BoxStyle::Warning, QMessageBox::Ok);
    EXPECT_EQ(answer, BoxAnswer::Ok);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.text, QStringLiteral("No such file\nin Ctx at line 126\n\nPlease email"));
}

TEST_F(QtMessageBoxes, TextIsNeverTakenForMarkup) {
    const auto [answer, seen] = ShowAndPress(dialogs_, "<b>12</b> does not appear to be a number.",
                                             BoxStyle::Ok, QMessageBox::Ok);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QStringLiteral("<b>12</b> does not appear to be a number."));
}

TEST_F(QtMessageBoxes, TheSkinsFaceColoursLaterBoxes) {
    dialogs_.SetFace(0x00563412);
    const auto [answer, seen] = ShowAndPress(dialogs_, "x", BoxStyle::Ok, QMessageBox::Ok);
    EXPECT_TRUE(seen.sheet.contains(QStringLiteral("#123456")));
    EXPECT_TRUE(seen.sheet.contains(QStringLiteral("color: #ffffff"))) << "text that reads on it";
}

// Before the window is shown (reports of start-up) a box stands in the middle of the screen.
TEST(QtDialogs, ABoxBeforeTheWindowIsShownIsCentredOnTheScreen) {
    QWidget owner;
    owner.setGeometry(0, 0, 200, 100);
    QtDialogs dialogs(owner);
    QPoint centre;
    test::ModalAnswerer answerer([&](QWidget& box) {
        centre = box.frameGeometry().center();
        box.close();
    });
    dialogs.ShowMessage("report", "Application Error", BoxStyle::Warning);
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((centre - screen).manhattanLength(), 4) << centre.x() << "," << centre.y();
}

}  // namespace
}  // namespace quire::qt
