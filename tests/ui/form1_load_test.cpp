#include <gtest/gtest.h>

#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::Form1Harness;

std::string ReportedLine(const fakes::ShownBox& box) {
    const auto start = box.text.find("Form_Load at line ");
    return start == std::string::npos ? "" : box.text.substr(start + 18, 3);
}

TEST(FormLoad, FirstStartFillsTheBoxesAndTheStore) {
    Form1Harness h;
    h.form.Form_Load();
    EXPECT_EQ(h.view.windowCaption, "Pallisand Quire Batch Utility");
    EXPECT_TRUE(h.view.hasIcon);
    EXPECT_EQ(h.form.ApplicationTitle(), "Pallisand Quire Batch");
    EXPECT_EQ(h.view.texts[ControlId::Text1], "Folder ###");
    EXPECT_EQ(h.view.texts[ControlId::Text2], "20");
    EXPECT_EQ(h.view.texts[ControlId::Text3], "C:\\Users\\ada\\Desktop\\");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Folder 001");
    EXPECT_EQ(
        h.settings.values,
        (std::map<std::string, std::string, std::less<>>{
            {"Text1", "Folder ###"}, {"Text2", "20"}, {"Text3", "C:\\Users\\ada\\Desktop\\"}}));
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(h.shell.commands.empty());
    EXPECT_TRUE(h.view.mouseIcon.empty());  // no cursor file beside the program
}

TEST(FormLoad, RunsItsStepsInOrder) {
    Form1Harness h;
    h.files.files = {"C:\\Program Files\\Quire\\HAND-M.CUR", "C:\\Program Files\\Quire\\x\\o.cjs"};
    h.files.contents["C:\\Program Files\\Quire\\HAND-M.CUR"] = "hand";
    h.draws = {0.0612};
    h.form.Form_Load();
    const std::vector<std::string> expected{"back Form1",
                                            "back Frame3",
                                            "back Frame2",
                                            "back Frame1",
                                            "back Label2",
                                            "back Label4",
                                            "caption Pallisand Quire Batch Utility",
                                            "icon",
                                            "mouseicon hand",
                                            "text Text1=Folder ###",
                                            "label Label4=Folder 001",
                                            "text Text2=20",
                                            "text Text3=C:\\Users\\ada\\Desktop\\",
                                            "label Label4=Folder 001"};
    EXPECT_EQ(h.view.log, expected);
    ASSERT_EQ(h.shell.commands.size(), 1u);  // the draw came up 7
    EXPECT_EQ(h.shell.commands[0].program, "explorer");
}

TEST(FormLoad, RestoresStoredTextsExactly) {
    Form1Harness h;
    h.settings.values = {{"Text1", "  Job ## "}, {"Text2", "lots"}, {"Text3", ""}};
    h.form.Form_Load();
    EXPECT_EQ(h.view.texts[ControlId::Text1], "  Job ## ");
    EXPECT_EQ(h.view.texts[ControlId::Text2], "lots");
    EXPECT_EQ(h.view.texts[ControlId::Text3], "");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "  Job 01 ");
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(FormLoad, SkinFailureIsReportedAs100AndStartUpGoesOn) {
    Form1Harness h;
    h.files.files = {"C:\\Program Files\\Quire\\x\\o.cjs"};
    h.files.contents = {{"C:\\Program Files\\Quire\\x\\o.cjs", "[Window]\nFace = #102030\n"}};
    h.painter.fail = true;
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "100");
    EXPECT_EQ(h.view.backColours[ControlId::Form1], 0x8000000Fu);  // recolouring stays done
    EXPECT_EQ(h.view.windowCaption, "Pallisand Quire Batch Utility");
}

TEST(FormLoad, EachStepOfStatement104RunsAfterAFailingOne) {
    Form1Harness h;
    h.view.failing = {"caption", "icon"};
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "104");
    EXPECT_EQ(ReportedLine(h.dialogs.shown[1]), "104");
    EXPECT_EQ(h.form.ApplicationTitle(), "Pallisand Quire Batch");
    EXPECT_EQ(h.dialogs.shown[0].caption, "Application Error");
}

// A file that is no cursor, and one that cannot be read.
TEST(FormLoad, ACursorFileThatIsNoCursorGivesOneReportWith108) {
    for (const bool readable : {true, false}) {
        Form1Harness h;
        h.files.files = {"C:\\Program Files\\Quire\\HAND-M.CUR"};
        if (readable) h.files.contents["C:\\Program Files\\Quire\\HAND-M.CUR"] = "text";
        h.view.failing = {"mouseicon"};
        h.form.Form_Load();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << readable;
        EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "108");
        EXPECT_EQ(h.view.texts[ControlId::Text1], "Folder ###");
    }
}

TEST(FormLoad, AStartUpDrawThatCannotLaunchIsReportedAs110) {
    Form1Harness h;
    h.draws = {0.065};
    h.shell.failCommands = true;
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "110");
    EXPECT_EQ(h.view.texts[ControlId::Text2], "20");
}

// The draw's setting, as a user may type it into the settings file or the registry.
TEST(FormLoad, TheStartupDrawSettingTurnsTheDrawOffAndOnlyThat) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"0", false}, {"off", false}, {" OFF\t", false}, {"No", false}, {"false", false},
        {"1", true},  {"", true},     {"on", true},      {"00", true},  {"offline", true}};
    for (const auto& [value, opens] : cases) {
        Form1Harness h;
        h.settings.values = {{"StartupDraw", value}};
        h.draws = {0.065};  // a hit
        h.form.Form_Load();
        EXPECT_EQ(h.shell.commands.size(), opens ? 1u : 0u) << '"' << value << '"';
        EXPECT_EQ(h.settings.values.size(), 4u) << "the key is read, never written";
    }
}

TEST(FormLoad, AStoreThatCannotBeReadLeavesTheDrawOnAndReportsOnlyTheRestores) {
    Form1Harness h;
    h.settings.unreadable = {"StartupDraw", "Text1"};
    h.draws = {0.065};
    h.form.Form_Load();
    EXPECT_EQ(h.shell.commands.size(), 1u);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "128");
}

TEST(FormLoad, AnUnreadableStoreLeavesThatBoxAtItsDesign) {
    Form1Harness h;
    h.settings.unreadable = {"Text1", "Text2"};
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "128");
    EXPECT_EQ(ReportedLine(h.dialogs.shown[1]), "130");
    EXPECT_EQ(h.view.texts[ControlId::Text1], "Text1");
    EXPECT_EQ(h.view.texts[ControlId::Text2], "Text2");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Text1");  // 134 previews what the box holds
}

TEST(FormLoad, AnUnresolvedDesktopAbandonsStatement132EvenWithAStoredTarget) {
    Form1Harness h;
    h.shell.desktop.clear();
    h.settings.values = {{"Text3", "D:\\Stored\\"}};
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[0]), "132");
    EXPECT_EQ(h.view.texts[ControlId::Text3], "");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Folder 001");
}

TEST(FormLoad, APreviewThatCannotBeShownKeepsThePreviousCaption) {
    Form1Harness h;
    h.view.failing = {"Label4"};
    h.form.Form_Load();
    // Once from Text1's change (no report: that handler has none) and once from 134.
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text.find(
                  "The name pattern could not be previewed:\r\nCannot set Label4"),
              0u);
    EXPECT_EQ(ReportedLine(h.dialogs.shown[1]), "134");
    EXPECT_EQ(h.view.captions[ControlId::Label4], " Example here!");
}

TEST(FormLoad, WorksWithThePosixSeparator) {
    Form1Harness h(kPosixTraits, "/opt/quire");
    h.shell.desktop = "/home/ada/Desktop";
    h.files.files = {"/opt/quire/HAND-M.CUR"};
    h.files.contents["/opt/quire/HAND-M.CUR"] = "hand";
    h.form.Form_Load();
    EXPECT_EQ(h.view.mouseIcon, "hand");
    EXPECT_EQ(h.view.texts[ControlId::Text3], "/home/ada/Desktop/");
}

}  // namespace
}  // namespace quire
