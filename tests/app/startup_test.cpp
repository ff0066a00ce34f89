#include "app/startup.h"

#include <gtest/gtest.h>

#include <deque>

#include "app/product.h"
#include "engine/failure.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shell.h"

namespace quire {
namespace {

TEST(ApplicationTitle, CutsAtTheLastBlankAtLeastOnce) {
    EXPECT_EQ(ApplicationTitle(product::kName), "Pallisand Quire Batch");
    EXPECT_EQ(ApplicationTitle("a b"), "a");
    EXPECT_EQ(ApplicationTitle("one two three four five six seven eight nine ten"),
              "one two three four five six seven eight");
    EXPECT_EQ(ApplicationTitle("name "), "name");
    EXPECT_THROW(ApplicationTitle("Single"), Failure);
    EXPECT_THROW(ApplicationTitle(std::string(41, 'x') + " y"), Failure);
}

TEST(DefaultTargetFolder, AppendsOneSeparatorToTheDesktop) {
    fakes::FakeShell shell;
    fakes::FakeFileSystem files;
    files.folders = {"C:\\Users\\ada\\Desktop", "/home/ada/Desktop"};
    EXPECT_EQ(DefaultTargetFolder(shell, files, '\\'), "C:\\Users\\ada\\Desktop\\");
    shell.desktop = "/home/ada/Desktop";
    shell.home = "/home/ada";
    EXPECT_EQ(DefaultTargetFolder(shell, files, '/'), "/home/ada/Desktop/");
    shell.desktop.clear();
    EXPECT_THROW(DefaultTargetFolder(shell, files, '/'), Failure);
}

// A desktop without a Desktop folder: the home folder, which exists, rather than a folder that
// the first run would refuse.
TEST(DefaultTargetFolder, IsTheHomeFolderWhereNoDesktopFolderExists) {
    fakes::FakeShell shell;
    fakes::FakeFileSystem files;
    shell.desktop = "/home/ada/Desktop";
    shell.home = "/home/ada";
    EXPECT_EQ(DefaultTargetFolder(shell, files, '/'), "/home/ada/");
    shell.home.clear();  // nothing better known: the desktop as the system names it
    EXPECT_EQ(DefaultTargetFolder(shell, files, '/'), "/home/ada/Desktop/");
}

TEST(StartupDraw, OpensTheHomePageOnlyOnSeven) {
    std::deque<double> draws{0.0, 0.06, 0.0599, 0.07, 0.9999};
    const UniformSource uniform = [&] {
        const double d = draws.front();
        draws.pop_front();
        return d;
    };
    EXPECT_EQ(DrawStartupNumber(uniform), 1);
    fakes::FakeShell shell;
    StartupDraw(uniform, shell, "explorer");  // 0.06 gives 7
    ASSERT_EQ(shell.commands.size(), 1u);
    EXPECT_EQ(CommandLine(shell.commands[0]), "explorer \"https://www.quillmark.example/\"");
    EXPECT_EQ(shell.commands[0].windowStyle, 2);
    StartupDraw(uniform, shell, "explorer");  // 0.0599 gives 6
    StartupDraw(uniform, shell, "explorer");  // 0.07 gives 8
    EXPECT_EQ(DrawStartupNumber(uniform), 100);
    EXPECT_EQ(shell.commands.size(), 1u);
}

TEST(StartupDraw, HitsAboutOnceInAHundredStarts) {
    int hits = 0;
    for (std::uint32_t second = 0; second < 86'400; second += 7) {
        hits += DrawStartupNumber(SeededUniformSource(second)) == kStartupDrawHit ? 1 : 0;
    }
    EXPECT_GT(hits, 80);  // 12,343 starts: about 123 hits expected
    EXPECT_LT(hits, 170);
}

TEST(StartupDraw, ALaunchThatCannotStartReachesTheCaller) {
    fakes::FakeShell shell;
    shell.failCommands = true;
    EXPECT_THROW(StartupDraw([] { return 0.065; }, shell, "xdg-open"), Failure);
}

}  // namespace
}  // namespace quire
