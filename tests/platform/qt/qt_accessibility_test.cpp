// What a screen reader finds on the window: a role and a name for every control, the preview as
// the pattern box's description, read through Qt's accessibility interfaces (what the AT-SPI
// bridge hands to screen readers; tests/e2e/qt_atspi_test.py reads the same over AT-SPI).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <vector>

#include "accessible_table.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

QAccessible::Role QtRole(accessible::AccessibleRole role) {
    switch (role) {
        case accessible::AccessibleRole::EditableText: return QAccessible::EditableText;
        case accessible::AccessibleRole::PushButton: return QAccessible::Button;
        case accessible::AccessibleRole::Grouping: return QAccessible::Grouping;
        case accessible::AccessibleRole::StaticText: return QAccessible::StaticText;
    }
    return QAccessible::NoRole;
}

// Every row of the table that the window answers wrongly, by control name.
std::vector<std::string> WrongRows(QtMainWindow& window) {
    std::vector<std::string> wrong;
    for (const auto& row : accessible::kAccessibleTable) {
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(window.Control(row.control));
        // The preview is named by what it shows.
        const std::string_view expected =
            row.control == ControlId::Label4 ? std::string_view("Folder 001") : row.name;
        if (control == nullptr || control->role() != QtRole(row.role) ||
            control->text(QAccessible::Name).toStdString() != expected) {
            wrong.emplace_back(ControlName(row.control));
        }
    }
    return wrong;
}

TEST(QtAccessibility, EveryControlHasTheRoleAndNameOfTheTable) {
    test::ProgramFixture fixture;
    Program program(fixture.Setup());
    program.Start();
    EXPECT_EQ(WrongRows(program.Window()), std::vector<std::string>{});
}

// A screen reader's questions are answered inside the run's pump, and the run goes on.
TEST(QtAccessibility, NamesAreRightWhileARunPumpsEvents) {
    test::ProgramFixture fixture;
    test::TempFolder target;
    Program program(fixture.Setup());
    program.Start();
    program.View().SetText(ControlId::Text3, target.Path());
    program.View().SetText(ControlId::Text2, "300");
    std::optional<std::vector<std::string>> duringTheRun;
    test::AtFolder(program.Window(), target.QPath(), 100,
                   [&] { duringTheRun = WrongRows(program.Window()); });
    program.Window().Button(ControlId::PushButton1)->click();
    ASSERT_TRUE(duringTheRun.has_value()) << "asked during the run";
    EXPECT_EQ(*duringTheRun, std::vector<std::string>{});
    EXPECT_EQ(test::FoldersIn(target.QPath()).size(), 300);
}

TEST(QtAccessibility, ThePatternBoxDescribesThePreviewOnEveryChange) {
    test::ProgramFixture fixture;
    Program program(fixture.Setup());
    program.Start();
    QLineEdit* pattern = program.Window().TextBox(ControlId::Text1);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(pattern);
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("Folder 001"));
    pattern->setText(QStringLiteral("Invoice ##"));
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("Invoice 01"));
}

}  // namespace
}  // namespace quire::qt
