// The "Presets" submenu on Qt: saved through the name dialog (a refusal told beside the box),
// chosen from the menu as if typed, deleted after the question; named for a screen reader and
// laid out whole at any scale.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/product.h"
#include "platform/qt/qt_presets_menu.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

using test::ProgramFixture;

template <class Widget>
Widget& Named(QWidget& dialog, const QString& name) {
    for (Widget* widget : dialog.findChildren<Widget*>()) {
        if (widget->accessibleName() == name || widget->property("text").toString() == name) {
            return *widget;
        }
    }
    throw std::runtime_error("no " + name.toStdString());
}

class QtPresets : public ::testing::Test {
protected:
    void SetUp() override {
        program_.Start();
        Type("Shoot ###", "3", fixture_.programFolder.Path() + "/");
    }

    void Type(const std::string& pattern, const std::string& count, const std::string& target) {
        program_.View().SetText(ControlId::Text1, pattern);
        program_.View().SetText(ControlId::Text2, count);
        program_.View().SetText(ControlId::Text3, target);
    }

    QMenu& Menu() {
        program_.Window().PresetsMenu().Refresh();
        return program_.Window().PresetsMenu().Menu();
    }
    QStringList Entries() {
        QStringList texts;
        for (QAction* action : Menu().actions()) {
            texts << (action->isEnabled() ? "" : "-") + action->text();
        }
        return texts;
    }
    // Triggers the entry and lets `act` work the dialog it opens.
    void Choose(const QString& entry, const std::function<void(QDialog&)>& act = {}) {
        test::ModalAnswerer answerer([&](QWidget& dialog) { act(static_cast<QDialog&>(dialog)); });
        for (QAction* action : Menu().actions()) {
            if (action->text() == entry) return action->trigger();
        }
        FAIL() << "no entry " << entry.toStdString();
    }
    std::string Settings() const { return test::ReadFile(fixture_.SettingsFile()).toStdString(); }

    ProgramFixture fixture_;
    Program program_{fixture_.Setup()};
};

TEST_F(QtPresets, SavedChosenAndDeletedFromTheWindowsMenu) {
    EXPECT_EQ(Entries(), (QStringList{"Save as Preset...", "", "-(No presets saved)", "",
                                      "-Delete Preset..."}));
    QString told;
    QString described;
    Choose("Save as Preset...", [&](QDialog& dialog) {
        auto& name = Named<QLineEdit>(dialog, "Preset name");
        name.setText("a\tb");
        Named<QPushButton>(dialog, "OK").click();
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible() && label->text().startsWith("A preset")) told = label->text();
        }
        described = QAccessible::queryAccessibleInterface(&name)->text(QAccessible::Description);
        name.setText("Tom & Jerry");
        Named<QCheckBox>(dialog, QString::fromUtf8(product::kPresetKeepTarget.data())).click();
        Named<QPushButton>(dialog, "OK").click();
    });
    EXPECT_EQ(told.toStdString(), product::kPresetNameControl);
    EXPECT_EQ(described, told);
    const std::string saved = Settings();
    EXPECT_NE(saved.find("[Pallisand%20Quire%20Batch%20Utility%20Presets]\n"), std::string::npos);
    EXPECT_NE(saved.find("Preset1.Name=Tom & Jerry\n"), std::string::npos);
    EXPECT_NE(saved.find("Preset1.Text1=Shoot ###\n"), std::string::npos);
    EXPECT_EQ(Entries(),
              (QStringList{"Save as Preset...", "", "Tom && Jerry", "", "Delete Preset..."}));

    Type("Other #", "9", "/nowhere/");
    Choose("Tom && Jerry");
    EXPECT_EQ(program_.Window().TextBox(ControlId::Text1)->text(), "Shoot ###");
    EXPECT_EQ(program_.Window().TextBox(ControlId::Text3)->text().toStdString(),
              fixture_.programFolder.Path() + "/");
    EXPECT_EQ(program_.Window().Label(ControlId::Label4)->text(), "Shoot 001");
    EXPECT_NE(Settings().find("Text1=Shoot ###\n"), std::string::npos);

    fixture_.dialogs.answers = {BoxAnswer::Yes};
    QStringList offered;
    Choose("Delete Preset...", [&](QDialog& dialog) {
        auto& choice = Named<QComboBox>(dialog, "Preset to delete");
        for (int i = 0; i < choice.count(); ++i) offered << choice.itemText(i);
        Named<QPushButton>(dialog, "OK").click();
    });
    EXPECT_EQ(offered, QStringList{"Tom & Jerry"});
    ASSERT_FALSE(fixture_.dialogs.shown.empty());
    EXPECT_EQ(fixture_.dialogs.shown.back().text, "Delete the preset \"Tom & Jerry\"?");
    EXPECT_EQ(Entries().size(), 5);
    EXPECT_TRUE(Entries().contains("-(No presets saved)"));
    EXPECT_NE(Settings().find("Preset1.Name=\n"), std::string::npos);
}

TEST_F(QtPresets, EveryTextFitsAtThisScale) {
    int checked = 0;
    Choose("Save as Preset...", [&](QDialog& dialog) {
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisible()) continue;
            ++checked;
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                << widget->metaObject()->className();
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height());
            if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
            }
        }
        Named<QPushButton>(dialog, "Cancel").click();
    });
    EXPECT_GE(checked, 5);
    EXPECT_EQ(Settings().find("Presets]"), std::string::npos);
}

}  // namespace
}  // namespace quire::qt
