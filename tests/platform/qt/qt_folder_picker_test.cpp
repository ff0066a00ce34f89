// The real folder dialog (Qt's own, not the desktop's), answered by a timer.
#include "platform/qt/qt_folder_picker.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "qt_test_support.h"

namespace quire::qt {
namespace {

struct SeenDialog {
    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    bool dirsOnly = false;
    bool modal = false;
    QWidget* parent = nullptr;
    QString directory;
    bool titleAboveTheFolders = false;
};

// Whether a label with the dialog's title stands above its list of folders.
bool TitleAboveTheFolders(QFileDialog& dialog) {
    auto* folders = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (folders == nullptr) return false;
    const int top = folders->mapTo(&dialog, QPoint(0, 0)).y();
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == dialog.windowTitle() && label->isVisible() &&
            label->accessibleName() == dialog.windowTitle() &&
            label->mapTo(&dialog, QPoint(0, label->height())).y() <= top)
            return true;
    }
    return false;
}

// Answers the folder dialog: picks `choice` (an empty text cancels).
class PickerAnswer {
public:
    explicit PickerAnswer(QString choice)
        : answerer_([this, choice](QWidget& widget) {
              auto* dialog = qobject_cast<QFileDialog*>(&widget);
              if (!dialog) return widget.close(), void();
              seen = {dialog->windowTitle(),
                      dialog->fileMode(),
                      dialog->testOption(QFileDialog::ShowDirsOnly),
                      dialog->isModal(),
                      dialog->parentWidget(),
                      dialog->directory().absolutePath(),
                      TitleAboveTheFolders(*dialog)};
              if (choice.isEmpty()) return dialog->reject();
              dialog->setDirectory(choice);
              dialog->selectFile(choice);
              static_cast<QDialog*>(dialog)->accept();  // as the OK button does
          }) {}
    SeenDialog seen;

private:
    test::ModalAnswerer answerer_;
};

TEST(QtFolderPicker, AConfirmedFolderComesBackWithoutATrailingSeparator) {
    test::TempFolder folder;
    const std::string chosen = folder.Sub("with blanks");
    QDir().mkpath(QString::fromStdString(chosen));
    QWidget owner;
    PickerAnswer answer(QString::fromStdString(chosen));
    EXPECT_EQ(PickFolderDialog(&owner, "Save images to this folder", "",
                               QFileDialog::DontUseNativeDialog),
              chosen);
    EXPECT_EQ(answer.seen.title, QStringLiteral("Save images to this folder"));
    EXPECT_EQ(answer.seen.mode, QFileDialog::Directory);
    EXPECT_TRUE(answer.seen.dirsOnly);
    EXPECT_TRUE(answer.seen.modal);
    EXPECT_EQ(answer.seen.parent, &owner);
    EXPECT_TRUE(answer.seen.titleAboveTheFolders);
}

TEST(QtFolderPicker, TheRootKeepsItsSeparatorAndCancelGivesNothing) {
    QWidget owner;
    {
        PickerAnswer answer(QStringLiteral("/"));
        EXPECT_EQ(PickFolderDialog(&owner, "t", "", QFileDialog::DontUseNativeDialog), "/");
    }
    PickerAnswer cancel{QString()};
    EXPECT_EQ(PickFolderDialog(&owner, "t", "", QFileDialog::DontUseNativeDialog), "");
}

TEST(QtFolderPicker, EveryBrowseOpensAtTheSameStartNotWhereTheLastOneEnded) {
    test::TempFolder folder;
    QWidget owner;
    {
        PickerAnswer answer(folder.QPath());
        PickFolderDialog(&owner, "t", "", QFileDialog::DontUseNativeDialog);
        EXPECT_EQ(answer.seen.directory, QDir::homePath());
    }
    PickerAnswer again{QString()};
    PickFolderDialog(&owner, "t", "", QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(again.seen.directory, QDir::homePath());
}

// The browse button through the real dialog: the box gets one "/" more than the setting.
TEST(QtBrowseButton, TheChoiceGoesToTheBoxWithOneSeparatorAndAsChosenToTheSetting) {
    test::ProgramFixture fixture;
    Program program(fixture.Setup());
    program.Start();
    const auto stored = [&](const char* key) {
        return QSettings(fixture.SettingsFile(), QSettings::NativeFormat)
            .value(QStringLiteral("Pallisand Quire Batch Utility/") + QLatin1String(key))
            .toString();
    };
    const QString chosen = fixture.programFolder.QPath() + QStringLiteral("/Jobs 2024");
    QDir().mkpath(chosen);
    {
        PickerAnswer answer(chosen);
        program.Window().Button(ControlId::PushButton7)->click();
    }
    EXPECT_EQ(program.View().Text(ControlId::Text3), (chosen + QLatin1Char('/')).toStdString());
    EXPECT_EQ(stored("Text3"), chosen + QLatin1Char('/'));
    EXPECT_EQ(stored("LastFolderDot"), chosen);
    {
        PickerAnswer answer(QStringLiteral("/"));
        program.Window().Button(ControlId::PushButton7)->click();
    }
    EXPECT_EQ(program.View().Text(ControlId::Text3), "/");
    {
        PickerAnswer cancel{QString()};
        program.Window().Button(ControlId::PushButton7)->click();
    }
    EXPECT_EQ(program.View().Text(ControlId::Text3), "/");
    EXPECT_EQ(stored("LastFolderDot"), QStringLiteral("/"));
    EXPECT_TRUE(fixture.dialogs.shown.empty());
}

}  // namespace
}  // namespace quire::qt
