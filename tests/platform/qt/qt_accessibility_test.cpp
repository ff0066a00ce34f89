// What a screen reader finds on the window: a role and a name for every control, the preview as
// the pattern box's description, read through Qt's accessibility interfaces (what the AT-SPI
// bridge hands to screen readers; tests/e2e/qt_atspi_test.py reads the same over AT-SPI).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>

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

TEST(QtAccessibility, EveryControlHasTheRoleAndNameOfTheTable) {
    test::ProgramFixture fixture;
    Program program(fixture.Setup());
    program.Start();
    for (const auto& row : accessible::kAccessibleTable) {
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(program.Window().Control(row.control));
        ASSERT_NE(control, nullptr) << ControlName(row.control);
        EXPECT_EQ(control->role(), QtRole(row.role)) << ControlName(row.control);
        const std::string name = control->text(QAccessible::Name).toStdString();
        if (row.control == ControlId::Label4) {
            EXPECT_EQ(name, "Folder 001") << "the preview is named by what it shows";
        } else {
            EXPECT_EQ(name, row.name) << ControlName(row.control);
        }
    }
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
