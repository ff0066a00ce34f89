// The Preview dialog on Qt: opened by its key, its totals over rows made as they are shown, the
// filter, and its Start running the window's run; laid out whole at any scale.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "engine/run_preview.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_preview_view.h"
#include "qt_test_support.h"
#include "ui/preview_list.h"

namespace quire::qt {
namespace {

using test::FoldersIn;
using test::ProgramFixture;
using test::TempFolder;

class QtPreview : public ::testing::Test {
protected:
    void SetUp() override {
        program_.Start();
        QDir(target_.QPath()).mkdir(QStringLiteral("P 2"));
        test::WriteFile(target_.Sub("P 3"), "in the way");
        program_.View().SetText(ControlId::Text1, "P #");
        program_.View().SetText(ControlId::Text2, "4");
        program_.View().SetText(ControlId::Text3, target_.Path());
    }
    ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
    TempFolder target_;
};

QStringList Rows(const QTableView& table) {
    QStringList rows;
    const QAbstractItemModel& model = *table.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        rows << model.index(row, 0).data().toString() + QStringLiteral(": ") +
                    model.index(row, 1).data().toString();
    }
    return rows;
}

// By keyboard alone: the key opens the list, the space bar ticks the filter and presses Start.
TEST_F(QtPreview, TheKeyOpensTheListAndItsStartRunsTheRun) {
    QWidget& window = program_.Window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    fixture_.dialogs.answers = {BoxAnswer::No};  // the question after the run
    QString totals;
    QStringList all;
    QStringList notNew;
    QString pressed;
    test::ModalAnswerer answerer([&](QWidget& dialog) {
        totals = dialog.findChild<QLabel*>()->text();
        auto* table = dialog.findChild<QTableView*>();
        all = Rows(*table);
        QTest::keyClick(table, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        notNew = Rows(*table);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        pressed = dialog.focusWidget()->accessibleName() +
                  dialog.focusWidget()->property("text").toString();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(test::WaitFor([&] { return answerer.Answered() == 1; }));

    EXPECT_EQ(pressed, QStringLiteral("Start Creating Folders"));
    EXPECT_EQ(totals, QStringLiteral("2 new, 1 exists, 1 would fail"));
    EXPECT_EQ(all, (QStringList{"P 1: new", "P 2: exists, skipped", "P 3: would fail: File exists",
                                "P 4: new"}));
    EXPECT_EQ(notNew, (QStringList{"P 2: exists, skipped", "P 3: would fail: File exists"}));
    EXPECT_EQ(FoldersIn(target_.QPath()), (QStringList{"P 1", "P 2", "P 4"}));
    ASSERT_FALSE(fixture_.dialogs.shown.empty());
    EXPECT_EQ(fixture_.dialogs.shown.back().text,
              "Would you like this software to open the folder where these folders were created?");
}

TEST_F(QtPreview, EveryTextFitsAtThisScale) {
    RunPlan plan;
    plan.count = 3;
    const PosixFileSystem files;
    const RunPreview preview(files, &files, files, plan, "P #", target_.Path(), '/');
    PreviewList list(preview);
    QtPreviewView view(program_.Window());
    test::ModalAnswerer answerer([&](QWidget& dialog) {
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            // The table's own parts scroll.
            if (!widget->isVisible() || qobject_cast<QTableView*>(widget->parentWidget()) ||
                qobject_cast<QTableView*>(widget->parentWidget()->parentWidget())) {
                continue;
            }
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                << widget->metaObject()->className();
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height())
                << widget->metaObject()->className();
        }
        for (auto* label : dialog.findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
        for (auto* box : dialog.findChildren<QCheckBox*>()) {
            EXPECT_GE(box->width(), box->sizeHint().width());
        }
        static_cast<QDialog&>(dialog).reject();
    });
    EXPECT_FALSE(view.Run(list));
}

}  // namespace
}  // namespace quire::qt
