// The Options dialog on Qt: reached from the window's menu, refusing beside a field, named for a
// screen reader, gone through by Tab, laid out whole at any scale and quick with a long list.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "options_accessible_table.h"
#include "platform/qt/qt_lines_box.h"
#include "platform/qt/qt_options_view.h"
#include "qt_test_support.h"
#include "ui/options_dialog.h"

namespace quire::qt {
namespace {

using test::ProgramFixture;

QAction* OptionsEntry(QtMainWindow& window) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Options...")) return action;
    }
    return nullptr;
}

class QtOptions : public ::testing::Test {
protected:
    void SetUp() override { program_.Start(); }

    // Opens the dialog from the menu and lets `act` work it; gives what it showed last.
    void Open(const std::function<void(QDialog&)>& act) {
        test::ModalAnswerer answerer([&](QWidget& dialog) { act(static_cast<QDialog&>(dialog)); });
        QAction* entry = OptionsEntry(program_.Window());
        ASSERT_NE(entry, nullptr);
        entry->trigger();
    }
    std::string Settings() const { return test::ReadFile(fixture_.SettingsFile()).toStdString(); }

    ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
};

template <class Widget>
Widget& Named(QDialog& dialog, const char* name) {
    for (Widget* widget : dialog.findChildren<Widget*>()) {
        if (widget->accessibleName() == QLatin1String(name) ||
            widget->text() == QLatin1String(name)) {
            return *widget;
        }
    }
    throw std::runtime_error(std::string("no ") + name);
}

TEST_F(QtOptions, OkPutsTheOptionsInEffectInThePreviewItsTipAndTheStore) {
    Open([](QDialog& dialog) {
        Named<QLineEdit>(dialog, "First counter").setText(QStringLiteral("10"));
        dialog.findChild<QComboBox*>()->setCurrentIndex(1);
        Named<QPushButton>(dialog, "OK").click();
    });
    QLabel* preview = program_.Window().Label(ControlId::Label4);
    EXPECT_EQ(preview->text(), QStringLiteral("Folder J"));
    EXPECT_TRUE(preview->toolTip().contains(QStringLiteral("First counter: 10")));
    EXPECT_NE(Settings().find("OptionStart=10\n"), std::string::npos);
    EXPECT_NE(Settings().find("OptionStyle=CapitalLetters\n"), std::string::npos);
}

TEST_F(QtOptions, ARefusedValueIsToldBesideItsFieldAndCancelKeepsNothing) {
    bool stayed = false;
    QString told;
    QString described;
    Open([&](QDialog& dialog) {
        auto& step = Named<QLineEdit>(dialog, "Step");
        step.setText(QStringLiteral("0"));
        Named<QPushButton>(dialog, "OK").click();
        stayed = dialog.isVisible() && dialog.focusWidget() == &step;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible() && label->text().startsWith(QStringLiteral("A step"))) {
                told = label->text();
            }
        }
        described = QAccessible::queryAccessibleInterface(&step)->text(QAccessible::Description);
        Named<QPushButton>(dialog, "Cancel").click();
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(told, QStringLiteral("A step of 0 would give every folder one counter."));
    EXPECT_EQ(described, told);
    EXPECT_EQ(Settings().find("Option"), std::string::npos);
    EXPECT_EQ(program_.Window().Label(ControlId::Label4)->text(), QStringLiteral("Folder 001"));
}

// Shown without its own loop, so that the test may look at it.
struct ShownDialog {
    explicit ShownDialog(QWidget& owner) : view(owner) {
        dialog.Load({});
        view.Dialog().show();
        view.Dialog().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view.Dialog()));
    }
    QtOptionsView view;
    PosixFileSystem files;
    test::DesktopRecord desktop;
    QtShell shell{view.Dialog(), desktop.Hooks()};
    OptionsDialog dialog{view, files, shell, '/', false};
};

TEST_F(QtOptions, TheKeyboardGoesThroughEveryFieldInOrderAndEachHasAName) {
    ShownDialog shown(program_.Window());
    QDialog& dialog = shown.view.Dialog();
    std::vector<std::string> expected;
    for (const auto& row : accessible::kOptionsTable) expected.emplace_back(row.name);
    shown.view.Field(OptionField::Start)->setFocus();
    std::vector<std::string> met;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(dialog.focusWidget());
        // A list box is named by its label, which Qt tells through a relation on Linux.
        const auto labels = field->relations(QAccessible::Label);
        met.push_back((qobject_cast<QComboBox*>(dialog.focusWidget()) != nullptr && !labels.empty()
                           ? labels.front().first->text(QAccessible::Name)
                           : field->text(QAccessible::Name))
                          .toStdString());
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(met, expected);
}

TEST_F(QtOptions, EveryTextFitsAtThisScale) {
    ShownDialog shown(program_.Window());
    for (QWidget* widget : shown.view.Dialog().findChildren<QWidget*>()) {
        if (!widget->isVisible() || qobject_cast<QLabel*>(widget) != nullptr) continue;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
            << widget->metaObject()->className();
        EXPECT_GE(widget->height(), widget->minimumSizeHint().height());
    }
    for (QLabel* label : shown.view.Dialog().findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap()) continue;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
    }
}

// A million pasted names go in while the dialog goes on answering, and OK takes them all.
TEST_F(QtOptions, AMillionPastedNamesKeepTheDialogAnswering) {
    ShownDialog shown(program_.Window());
    QString names;
    for (int i = 0; i < 1'000'000; ++i) names += QStringLiteral("Client %1\n").arg(i);
    QGuiApplication::clipboard()->setText(names);
    auto* box = static_cast<QtLinesBox*>(shown.view.Field(OptionField::Names));
    box->setFocus();
    QElapsedTimer clock;
    clock.start();
    qint64 longestWait = 0;
    qint64 last = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(0);
    box->paste();
    longestWait = std::max(longestWait, clock.elapsed() - last);
    ASSERT_TRUE(test::WaitFor([&] { return !box->Taking(); }, 60'000));
    // Taken in at once, the list kept it from answering for seconds.
    EXPECT_LT(longestWait, 1000) << "the longest the dialog did not answer, in ms";
    shown.view.SetChecked(OptionField::Listed, true);
    ASSERT_TRUE(shown.dialog.OK_Click());
    EXPECT_EQ(shown.dialog.Accepted().names, names.toStdString());
}

}  // namespace
}  // namespace quire::qt
