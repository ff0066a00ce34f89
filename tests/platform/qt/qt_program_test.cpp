// The whole program on temporary folders: start-up, the creation run on the real window with
// its pump, and closing the window in the middle of a run.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTest>
#include <array>
#include <filesystem>
#include <fstream>

#include "app/product.h"
#include "platform/posix/posix_program_folder.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

using test::ProgramFixture;

class QtProgram : public ::testing::Test {
protected:
    QString Stored(const char* key) {
        return QSettings(fixture_.SettingsFile(), QSettings::NativeFormat)
            .value(QStringLiteral("Pallisand Quire Batch Utility/") + QLatin1String(key))
            .toString();
    }
    void Store(const char* key, const QString& value) {
        QSettings settings(fixture_.SettingsFile(), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("Pallisand Quire Batch Utility/") + QLatin1String(key),
                          value);
    }
    QStringList FoldersIn(const std::string& path) {
        return test::FoldersIn(QString::fromStdString(path));
    }

    ProgramFixture fixture_;
};

TEST_F(QtProgram, FirstStartShowsTheDefaultsAndStoresThem) {
    Program program(fixture_.Setup());
    program.Start();
    std::string desktop =
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    if (!QFileInfo(QString::fromStdString(desktop)).isDir())
        desktop = QDir::homePath().toStdString();
    desktop += "/";
    EXPECT_EQ(program.View().Text(ControlId::Text1), "Folder ###");
    EXPECT_EQ(program.View().Text(ControlId::Text2), "20");
    EXPECT_EQ(program.View().Text(ControlId::Text3), desktop);
    EXPECT_EQ(program.Window().Label(ControlId::Label4)->text(), QStringLiteral("Folder 001"));
    EXPECT_EQ(Stored("Text1"), QStringLiteral("Folder ###"));
    EXPECT_EQ(Stored("Text2"), QStringLiteral("20"));
    EXPECT_EQ(Stored("Text3"), QString::fromStdString(desktop));
    EXPECT_EQ(program.Window().windowTitle(), QStringLiteral("Pallisand Quire Batch Utility"));
    EXPECT_FALSE(program.Window().windowIcon().isNull());
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
    EXPECT_TRUE(fixture_.desktop.launched.empty());
}

TEST_F(QtProgram, OpensCentredWithTheFocusInTheHiddenBox) {
    Program program(fixture_.Setup());
    program.Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.Window()));
    EXPECT_EQ(QApplication::focusWidget(), program.Window().Control(ControlId::Text4));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((program.Window().geometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_FALSE(program.Window().isMaximized() || program.Window().isMinimized());
}

TEST_F(QtProgram, StoredInputsAreRestoredExactly) {
    Store("Text1", QStringLiteral(" A#B# "));
    Store("Text2", QStringLiteral("abc"));
    Store("Text3", QString());
    Program program(fixture_.Setup());
    program.Start();
    EXPECT_EQ(program.View().Text(ControlId::Text1), " A#B# ");
    EXPECT_EQ(program.View().Text(ControlId::Text2), "abc");
    EXPECT_EQ(program.View().Text(ControlId::Text3), "");
    EXPECT_EQ(program.Window().Label(ControlId::Label4)->text(), QStringLiteral(" A#B# "));
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
}

TEST_F(QtProgram, TheHandCursorBesideTheProgramIsTheCustomPointer) {
    test::WriteFile(fixture_.programFolder.Sub("HAND-M.CUR"), test::CursorFileBytes(6, 2));
    Program program(fixture_.Setup());
    program.Start();
    program.View().SetMousePointer(MousePointer::Custom);
    EXPECT_EQ(program.Window().cursor().hotSpot(), QPoint(6, 2));
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
}

TEST_F(QtProgram, AHandCursorFileThatIsNoCursorGivesOneReportWith108) {
    test::WriteFile(fixture_.programFolder.Sub("HAND-M.CUR"), "GIF89a, not a cursor");
    Program program(fixture_.Setup());
    program.Start();
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1u);
    const test::ShownBox& report = fixture_.dialogs.shown[0];
    EXPECT_EQ(report.caption, "Application Error");
    EXPECT_EQ(report.style, BoxStyle::Warning);
    EXPECT_NE(report.text.find("Form_Load at line 108\r\r"), std::string::npos) << report.text;
    EXPECT_EQ(program.View().Text(ControlId::Text2), "20") << "start-up went on";
}

TEST_F(QtProgram, TheStartupDrawOpensTheHomePageOnlyOnSeven) {
    fixture_.drawn = 0.06;  // 6 + 1
    { Program(fixture_.Setup()).Start(); }
    ASSERT_EQ(fixture_.desktop.launched.size(), 1u);
    EXPECT_EQ(fixture_.desktop.launched[0],
              (QStringList{"xdg-open", QString::fromUtf8(product::kHomePage.data())}));
    fixture_.drawn = 0.07;
    { Program(fixture_.Setup()).Start(); }
    EXPECT_EQ(fixture_.desktop.launched.size(), 1u);
}

TEST_F(QtProgram, TheSampleButtonPointsAtTheFolderBesideTheProgram) {
    const std::string samples = fixture_.programFolder.Path() + "/Samples";
    ::mkdir(samples.c_str(), 0700);
    Program program(fixture_.Setup());
    program.Start();
    program.Window().Button(ControlId::PushButton2)->click();
    EXPECT_EQ(program.View().Text(ControlId::Text3), samples);
    EXPECT_EQ(Stored("Text3"), QString::fromStdString(samples));
}

// Without a sample folder it could write to, the user's own in $XDG_DATA_HOME, which a run fills
// without a report.
TEST_F(QtProgram, TheSampleButtonMakesTheUsersOwnFolderWhereNoneCanBeWritten) {
    Program program(fixture_.Setup());
    program.Start();
    program.Window().Button(ControlId::PushButton2)->click();
    EXPECT_EQ(program.View().Text(ControlId::Text3), fixture_.UserSamples());
    program.Window().TextBox(ControlId::Text2)->setText(QStringLiteral("2"));
    fixture_.dialogs.answers = {BoxAnswer::No};
    program.Window().Button(ControlId::PushButton1)->click();
    struct stat made {};
    EXPECT_EQ(::stat((fixture_.UserSamples() + "/Folder 002").c_str(), &made), 0);
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1u);  // the question at the end, no report
}

// The desktop folder as xdg-user-dirs names it, in the user's language, when it is there; else
// the home folder, never a folder that the first run would refuse.
TEST_F(QtProgram, TheFirstTargetIsTheXdgDesktopFolderWhenItExistsElseHome) {
    const test::TempFolder home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.QPath()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.QPath() + QStringLiteral("/.config")));
    test::WriteFile(home.Sub(".config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    std::string first[2];
    for (std::string& target : first) {
        QFile::remove(fixture_.SettingsFile());
        Program program(fixture_.Setup());
        program.Start();
        target = program.View().Text(ControlId::Text3);
        ::mkdir(home.Sub("Schreibtisch").c_str(), 0700);
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_EQ(first[0], home.Path() + "/");
    EXPECT_EQ(first[1], home.Sub("Schreibtisch/"));
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
}

TEST(QtFilesFolder, IsTheSharedFolderWhenInstalledElseTheProgramsOwn) {
    const test::TempFolder prefix;
    ::mkdir(prefix.Sub("bin").c_str(), 0700);
    EXPECT_EQ(FilesFolder(prefix.Sub("bin"), "../share/quirebatch"), prefix.Sub("bin"));
    for (const char* made : {"share", "share/quirebatch"}) ::mkdir(prefix.Sub(made).c_str(), 0700);
    EXPECT_EQ(FilesFolder(prefix.Sub("bin"), "../share/quirebatch"),
              prefix.Sub("share/quirebatch"));
    EXPECT_EQ(FilesFolder(prefix.Sub("bin"), "../share/quirebatch/"),
              prefix.Sub("share/quirebatch"));
    EXPECT_EQ(FilesFolder("", "../share/quirebatch"), "") << "no record of the program";
}

// A program folder whose name is no UTF-8: its files are found, and the sample folder reaches the
// box, the settings and the run byte for byte.
TEST_F(QtProgram, AProgramFolderThatIsNoUtf8FindsItsFilesAndSamples) {
    // Qt's own file calls would change such a name: the test makes its files with the system's.
    const std::string folder = fixture_.programFolder.Path() + "/\xff\xfe \xe9t\xe9";
    for (const std::string sub : {"", "/x", "/Samples"}) ::mkdir((folder + sub).c_str(), 0700);
    std::ofstream(folder + "/HAND-M.CUR", std::ios::binary)
        << test::CursorFileBytes(6, 2).toStdString();
    std::ofstream(folder + "/x/o.cjs") << "[Window]\nFace = #102030\n";
    ProgramSetup setup = fixture_.Setup();
    setup.programFolder = folder;
    Program program(std::move(setup));
    program.Start();
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
    program.View().SetMousePointer(MousePointer::Custom);
    EXPECT_EQ(program.Window().cursor().hotSpot(), QPoint(6, 2)) << "the cursor was found";
    EXPECT_FALSE(program.Window().styleSheet().isEmpty()) << "the theme was found";
    program.Window().Button(ControlId::PushButton2)->click();
    EXPECT_EQ(program.View().Text(ControlId::Text3), folder + "/Samples");
    program.Window().TextBox(ControlId::Text2)->setText(QStringLiteral("2"));
    fixture_.dialogs.answers = {BoxAnswer::No};
    program.Window().Button(ControlId::PushButton1)->click();
    struct stat made {};
    EXPECT_EQ(::stat((folder + "/Samples/Folder 002").c_str(), &made), 0) << "the run made it";
    Program again(fixture_.Setup());
    again.Start();
    EXPECT_EQ(again.View().Text(ControlId::Text3), folder + "/Samples") << "stored whole";
}

// Started for a folder, from a file manager or a command line: the folder as the picker puts it.
TEST_F(QtProgram, AFolderArgumentGoesToTheTargetBoxAsThePickerPutsIt) {
    const std::string base = fixture_.programFolder.Path();
    QDir().mkpath(QString::fromStdString(base + "/Jobs 100% \"quoted\""));
    test::WriteFile(base + "/a file", "x");
    ASSERT_EQ(::symlink((base + "/Jobs 100% \"quoted\"").c_str(), (base + "/link").c_str()), 0);
    const std::string stored = base + "/stored/";
    QDir().mkpath(QString::fromStdString(stored));
    const std::string cwd = std::filesystem::current_path().native();
    std::filesystem::current_path(base);
    const struct {
        std::vector<std::string> arguments;
        std::string shown;
    } cases[] = {
        {{base + "/Jobs 100% \"quoted\""}, base + "/Jobs 100% \"quoted\"/"},
        {{base + "/Jobs 100% \"quoted\"/"}, base + "/Jobs 100% \"quoted\"/"},
        {{"Jobs 100% \"quoted\""}, base + "/Jobs 100% \"quoted\"/"},  // against the working folder
        {{base + "/link"}, base + "/link/"},                          // a link to a folder is taken
        {{"/"}, "/"},
        {{base + "/a file"}, stored},
        {{base + "/missing"}, stored},
        {{base, base}, stored},
        {{"--x"}, stored},
        {{""}, stored},
    };
    for (const auto& c : cases) {
        Store("Text3", QString::fromStdString(stored));
        Program program(fixture_.Setup());
        program.Start(FolderArguments(c.arguments));
        EXPECT_EQ(program.View().Text(ControlId::Text3), c.shown) << c.arguments.front();
        EXPECT_EQ(Stored("Text3").toStdString(), c.shown);
    }
    std::filesystem::current_path(cwd);
}

TEST(QtCommandLine, HelpAndVersionAreAnsweredWithoutAWindow) {
    const struct {
        std::vector<std::string> arguments;
        std::string starts;  // empty: the window opens
    } cases[] = {
        {{"--version"}, "quirebatch 7.00\n"},
        {{"-V"}, "quirebatch 7.00\n"},
        {{"--help"}, "Usage: quirebatch [FOLDER]"},
        {{"/tmp", "-h"}, "Usage: quirebatch [FOLDER]"},
        {{}, ""},
        {{"/tmp"}, ""},
        {{"--", "--help"}, ""},
        {{"--helpx"}, ""},
        {{"-v"}, ""},
    };
    for (const auto& c : cases) {
        const auto answer = AnswerWithoutWindow(c.arguments);
        EXPECT_EQ(answer.value_or("").substr(0, c.starts.size()), c.starts);
        EXPECT_EQ(answer.has_value(), !c.starts.empty()) << c.starts;
    }
}

TEST(QtProgramFolder, IsTheFolderOfTheRunningExecutable) {
    EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(ProgramFolder())),
              QCoreApplication::applicationDirPath());
}

TEST_F(QtProgram, HelpOpensTheCompanionPageOnYesOnly) {
    Program program(fixture_.Setup());
    program.Start();
    fixture_.dialogs.answers = {BoxAnswer::No, BoxAnswer::Yes};
    program.Window().Button(ControlId::PushButton6)->click();
    EXPECT_TRUE(fixture_.desktop.opened.empty());
    program.Window().Button(ControlId::PushButton6)->click();
    ASSERT_EQ(fixture_.desktop.opened.size(), 1u);
    EXPECT_EQ(fixture_.desktop.opened[0].toString(),
              QString::fromUtf8(product::kCompanionPage.data()));
    EXPECT_EQ(fixture_.dialogs.shown[0].caption, "Pallisand Quire Batch");
}

TEST_F(QtProgram, ASettingsFileThatCannotBeWrittenIsShownOnceAndTheProgramGoesOn) {
    Program program(fixture_.Setup());
    program.Start();
    QFile::remove(fixture_.SettingsFile());
    ASSERT_TRUE(QDir().mkpath(fixture_.SettingsFile()));  // a folder where the file should be
    QTest::keyClicks(program.Window().TextBox(ControlId::Text1), QStringLiteral("abc"));
    QTest::keyClicks(program.Window().TextBox(ControlId::Text2), QStringLiteral("1"));
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1u);
    EXPECT_EQ(fixture_.dialogs.shown[0].caption, "Application Error");
    EXPECT_NE(fixture_.dialogs.shown[0].text.find("cannot be written"), std::string::npos);
    EXPECT_EQ(program.Window().Label(ControlId::Label4)->text(), QStringLiteral("Folder 001abc"));
}

// A run on the real window: the pump runs Qt's events before each folder.
class QtRun : public QtProgram {
protected:
    QtRun() : program_(fixture_.Setup()) {
        program_.Start();
        SetText(ControlId::Text3, target_.Path() + "/");
        SetText(ControlId::Text1, "Folder ###");
    }
    void SetText(ControlId id, const std::string& text) { program_.View().SetText(id, text); }
    void Click(ControlId id) { program_.Window().Button(id)->click(); }

    // Runs `act` inside the run's pump once `folders` folders exist.
    void AtFolder(int folders, std::function<void()> act) {
        test::AtFolder(program_.Window(), target_.QPath(), folders, std::move(act));
    }

    test::TempFolder target_;
    Program program_;
};

TEST_F(QtRun, CreatesTheFoldersSkipsExistingOnesAndOpensTheTargetOnYes) {
    QDir(target_.QPath()).mkdir(QStringLiteral("Folder 002"));
    SetText(ControlId::Text2, "5");
    Click(ControlId::PushButton1);
    EXPECT_EQ(FoldersIn(target_.Path()),
              (QStringList{"Folder 001", "Folder 002", "Folder 003", "Folder 004", "Folder 005"}));
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1u);
    EXPECT_EQ(fixture_.dialogs.shown[0].style, BoxStyle::YesNo);
    ASSERT_EQ(fixture_.desktop.opened.size(), 1u);
    EXPECT_EQ(fixture_.desktop.opened[0].toLocalFile(), target_.QPath() + QStringLiteral("/"));
    EXPECT_FALSE(program_.Form().RunInProgress());
}

TEST_F(QtRun, AFailingFolderIsReportedWith126AndTheRunGoesOn) {
    test::WriteFile(target_.Sub("Folder 2"), "a file in the way");
    SetText(ControlId::Text1, "Folder #");
    SetText(ControlId::Text2, "3");
    fixture_.dialogs.answers = {BoxAnswer::No};
    Click(ControlId::PushButton1);
    EXPECT_EQ(FoldersIn(target_.Path()), (QStringList{"Folder 1", "Folder 3"}));
    ASSERT_EQ(fixture_.dialogs.shown.size(), 2u);
    EXPECT_NE(fixture_.dialogs.shown[0].text.find("File exists\r\n"), std::string::npos);
    EXPECT_NE(fixture_.dialogs.shown[0].text.find("at line 126"), std::string::npos);
    EXPECT_TRUE(fixture_.desktop.opened.empty());
}

TEST_F(QtRun, EditsDuringTheRunTakeEffectAndASecondStartIsTurnedAway) {
    SetText(ControlId::Text2, "400");
    AtFolder(100, [this] {
        Click(ControlId::PushButton1);  // nested in the pump: turned away without a word
        program_.Window().TextBox(ControlId::Text1)->setText(QStringLiteral("Late ###"));
    });
    Click(ControlId::PushButton1);
    const QStringList folders = FoldersIn(target_.Path());
    EXPECT_EQ(folders.size(), 400);
    EXPECT_TRUE(folders.contains(QStringLiteral("Folder 001")));
    EXPECT_TRUE(folders.contains(QStringLiteral("Late 400")));
    EXPECT_EQ(program_.Window().Label(ControlId::Label4)->text(), QStringLiteral("Late 001"));
    EXPECT_EQ(Stored("Text1"), QStringLiteral("Late ###"));
    EXPECT_EQ(fixture_.dialogs.shown.size(), 1u) << "one question, nothing else";
}

// A target emptied or mistyped during the run is checked as Start checks it: the run ends there
// with the message, and no folder is made anywhere else.
TEST_F(QtRun, ATargetEditedIntoAnInvalidOneEndsTheRunWithTheMessage) {
    test::WriteFile(target_.Sub("a file"), "x");
    for (const std::string& edited :
         {std::string(), target_.Sub("missing"), target_.Sub("a file")}) {
        test::TempFolder first;
        SetText(ControlId::Text3, first.Path());
        SetText(ControlId::Text2, "300");
        fixture_.dialogs.shown.clear();
        test::AtFolder(program_.Window(), first.QPath(), 50,
                       [&] { SetText(ControlId::Text3, edited); });
        Click(ControlId::PushButton1);
        EXPECT_EQ(FoldersIn(first.Path()).size(), 50);
        ASSERT_EQ(fixture_.dialogs.shown.size(), 1u) << "the message and no question";
        EXPECT_EQ(fixture_.dialogs.shown[0].text, "Folder does not appear to be valid");
        EXPECT_FALSE(program_.Form().RunInProgress());
    }
    EXPECT_EQ(FoldersIn(target_.Path()), QStringList{}) << "nothing beside the file";
}

TEST_F(QtRun, ClosingTheWindowDuringARunEndsItAtOnceWithoutTheQuestion) {
    SetText(ControlId::Text2, "100000");
    qsizetype atClose = 0;
    AtFolder(250, [this, &atClose] {
        atClose = FoldersIn(target_.Path()).size();
        program_.Window().close();
    });
    Click(ControlId::PushButton1);
    const qsizetype created = FoldersIn(target_.Path()).size();
    EXPECT_TRUE(created == atClose || created == atClose + 1) << created << " after " << atClose;
    EXPECT_TRUE(fixture_.dialogs.shown.empty()) << "no question after closing";
    EXPECT_EQ(fixture_.exits, 1);
    EXPECT_TRUE(program_.Window().Closing());
}

// The pump asks the system about the loop's descriptors only when something happened; a
// descriptor that becomes ready during a run must still be handled during the run.
TEST_F(QtRun, ADescriptorThatBecomesReadyDuringARunIsHandledDuringIt) {
    std::array<int, 2> pipe{};
    ASSERT_EQ(::pipe(pipe.data()), 0);
    QSocketNotifier notifier(pipe[0], QSocketNotifier::Read);
    qsizetype atWrite = -1;
    qsizetype atHandled = -1;
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        notifier.setEnabled(false);
        atHandled = FoldersIn(target_.Path()).size();
        program_.Window().close();
    });
    SetText(ControlId::Text2, "100000");
    AtFolder(250, [&] {
        atWrite = FoldersIn(target_.Path()).size();
        ASSERT_EQ(::write(pipe[1], "x", 1), 1);
    });
    Click(ControlId::PushButton1);
    ::close(pipe[0]);
    ::close(pipe[1]);
    ASSERT_GE(atWrite, 250);
    ASSERT_GE(atHandled, atWrite) << "handled during the run";
    EXPECT_LT(atHandled - atWrite, 20000) << "handled within moments";
    EXPECT_LT(FoldersIn(target_.Path()).size(), 100000);
}

TEST_F(QtRun, ClosingWhenIdleEndsTheProgramOnce) {
    program_.Window().close();
    EXPECT_EQ(fixture_.exits, 1);
    EXPECT_FALSE(program_.Window().isVisible());
}

}  // namespace
}  // namespace quire::qt
