// The shell port: what reaches the desktop's opener and the launcher, and the desktop folder.
#include "platform/qt/qt_shell.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QWidget>

#include "engine/failure.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

class QtShellTest : public ::testing::Test {
protected:
    QWidget owner_;
    test::DesktopRecord desktop_;
    QtShell shell_{owner_, desktop_.Hooks()};
};

TEST_F(QtShellTest, AFolderWithBlanksAndQuotesReachesTheOpenerWhole) {
    const std::string folder = "/tmp/my \"odd\" folder #1/";
    shell_.OpenFolder(folder);
    ASSERT_EQ(desktop_.opened.size(), 1u);
    const QUrl& url = desktop_.opened[0];
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QString::fromStdString(folder));
    EXPECT_FALSE(url.toEncoded().contains(' ')) << "one item on a command line";
}

TEST_F(QtShellTest, ARelativeFolderOpensFromTheWorkingFolder) {
    shell_.OpenFolder("sub dir");
    ASSERT_EQ(desktop_.opened.size(), 1u);
    EXPECT_EQ(desktop_.opened[0].toLocalFile(),
              QDir::current().filePath(QStringLiteral("sub dir")));
}

TEST_F(QtShellTest, WebPagesStayAddressesAndFoldersStayFolders) {
    shell_.OpenWebPage("https://www.quillmark.example/quirefromtext/");
    shell_.OpenFolder("https://www.quillmark.example/");
    shell_.OpenFolder("/tmp/\xff\xfe name");
    ASSERT_EQ(desktop_.opened.size(), 3u);
    EXPECT_EQ(desktop_.opened[0],
              QUrl(QStringLiteral("https://www.quillmark.example/quirefromtext/")));
    EXPECT_TRUE(desktop_.opened[1].isLocalFile()) << "a folder that looks like an address";
    EXPECT_EQ(desktop_.opened[1].toLocalFile(),
              QDir::currentPath() + QStringLiteral("/https://www.quillmark.example/"));
    EXPECT_EQ(desktop_.opened[2].toEncoded(), QByteArray("file:///tmp/%FF%FE%20name"))
        << "the folder's own bytes";
}

TEST_F(QtShellTest, AnOpenerThatFailsIsNotReported) {
    QtShell shell(owner_, {[](const QUrl&) { return false; }, {}, {}});
    EXPECT_NO_THROW(shell.OpenFolder("/nowhere"));
}

TEST_F(QtShellTest, CommandsStartTheProgramWithOneArgumentAndNoShell) {
    shell_.RunShellCommand({"xdg-open", "https://www.quillmark.example/", 2});
    ASSERT_EQ(desktop_.launched.size(), 1u);
    EXPECT_EQ(desktop_.launched[0], (QStringList{"xdg-open", "https://www.quillmark.example/"}));
}

TEST_F(QtShellTest, ACommandThatCannotStartFails) {
    desktop_.launchSucceeds = false;
    EXPECT_THROW(shell_.RunShellCommand({"xdg-open", "x", 2}), Failure);
    // The real launcher, with a program that does not exist.
    QtShell real(owner_, QtShell::DesktopHooks());
    EXPECT_THROW(real.RunShellCommand({"/nonexistent/quire-no-such-program", "x", 2}), Failure);
}

TEST_F(QtShellTest, TheDesktopFolderIsTheUsersAndOtherFoldersAreUnknown) {
    EXPECT_EQ(shell_.SpecialFolderPath(kDesktopFolder),
              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString());
    EXPECT_FALSE(shell_.SpecialFolderPath(kDesktopFolder).empty());
    EXPECT_EQ(shell_.SpecialFolderPath(kHomeFolder), QDir::homePath().toStdString());
    EXPECT_EQ(shell_.SpecialFolderPath(5), "");
}

}  // namespace
}  // namespace quire::qt
