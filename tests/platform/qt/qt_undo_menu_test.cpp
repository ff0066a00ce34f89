// "Undo Last Run..." in the window surface's context menu: asked first, the run's folders
// removed, the account given; not offered during a run; the text boxes keep their own menus.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "app/product.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

using test::FoldersIn;
using test::ProgramFixture;
using test::TempFolder;

// What a right click on `widget` showed: the menu is read and closed as soon as it is up, since
// a text box's own menu runs a loop of its own.
struct SeenMenu {
    bool shown = false;
    QStringList texts;
    QAction* undo = nullptr;  // "Undo Last Run...", when the menu has it
};

SeenMenu RightClick(QWidget& widget) {
    SeenMenu seen;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        reader.stop();
        seen.shown = true;
        for (QAction* action : menu->actions()) {
            seen.texts << action->text();
            if (action->text() == QStringLiteral("Undo Last Run...")) seen.undo = action;
        }
        menu->close();
    });
    reader.start(5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            widget.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&widget, &event);
    test::WaitFor([&] { return seen.shown; }, 2000);
    return seen;
}

class QtUndoMenu : public ::testing::Test {
protected:
    void SetUp() override {
        program_.Start();
        program_.View().SetText(ControlId::Text1, "U ##");
        program_.View().SetText(ControlId::Text2, "5");
        program_.View().SetText(ControlId::Text3, target_.Path() + "/");
    }
    ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
    TempFolder target_;
};

TEST_F(QtUndoMenu, AsksThenRemovesTheRunsEmptyFoldersAndTellsWhatItDid) {
    fixture_.dialogs.answers = {BoxAnswer::No};  // the question after the run
    program_.Window().Button(ControlId::PushButton1)->click();
    test::WriteFile(target_.Sub("U 03/kept.txt"), "mine");

    const SeenMenu seen = RightClick(*program_.Window().Label(ControlId::Label4));
    ASSERT_EQ(seen.texts,
              (QStringList{QStringLiteral("Undo Last Run..."), QStringLiteral("Options..."),
                           QStringLiteral("Preview..."), QStringLiteral("Presets")}));
    QAction* undo = seen.undo;
    EXPECT_TRUE(undo->isEnabled());
    fixture_.dialogs.shown.clear();
    undo->trigger();

    EXPECT_EQ(FoldersIn(target_.QPath()), QStringList{QStringLiteral("U 03")});
    ASSERT_EQ(fixture_.dialogs.shown.size(), 2U);
    EXPECT_EQ(fixture_.dialogs.shown[0].text,
              "Remove the 5 empty folders that the last run created in " + target_.Path() + "/?");
    EXPECT_EQ(fixture_.dialogs.shown[0].style, BoxStyle::YesNo);
    EXPECT_EQ(fixture_.dialogs.shown[0].caption, program_.Form().ApplicationTitle());
    EXPECT_EQ(fixture_.dialogs.shown[1].text,
              "Removed 4 folders. 1 was kept because it is not empty or has changed.");

    fixture_.dialogs.shown.clear();
    undo->trigger();
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1U);
    EXPECT_EQ(fixture_.dialogs.shown[0].text, product::kUndoNothing);
}

TEST_F(QtUndoMenu, IsNotOfferedWhileARunIsInProgress) {
    program_.View().SetText(ControlId::Text2, "400");
    fixture_.dialogs.answers = {BoxAnswer::No};
    bool offered = true;
    test::AtFolder(program_.Window(), target_.QPath(), 10, [&] {
        const SeenMenu seen = RightClick(program_.Window());
        offered = seen.undo == nullptr || seen.undo->isEnabled();
    });
    program_.Window().Button(ControlId::PushButton1)->click();
    EXPECT_FALSE(offered);
}

TEST_F(QtUndoMenu, TheTextBoxesKeepTheirOwnMenus) {
    for (const ControlId box : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) {
        const SeenMenu seen = RightClick(*program_.Window().TextBox(box));
        EXPECT_TRUE(seen.shown);
        EXPECT_GT(seen.texts.size(), 1);  // Undo, Redo, Cut, Copy, Paste, ...
        EXPECT_EQ(seen.undo, nullptr);
    }
}

}  // namespace
}  // namespace quire::qt
