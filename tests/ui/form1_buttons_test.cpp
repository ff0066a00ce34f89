#include <gtest/gtest.h>

#include "fakes/form1_harness.h"
#include "ui/form1_events.h"

namespace quire {
namespace {

using fakes::Form1Harness;

TEST(ChangeHandlers, PreviewFollowsThePatternAndEveryChangeIsStored) {
    Form1Harness h;
    const std::pair<const char*, const char*> previews[] = {
        {"Folder ###", "Folder 001"}, {"Folder ##", "Folder 01"}, {"#", "1"},
        {"Report", "Report"},         {"A#B#", "A#B#"},           {"", ""}};
    for (const auto& [pattern, caption] : previews) {
        h.view.SetText(ControlId::Text1, pattern);
        EXPECT_EQ(h.view.captions[ControlId::Label4], caption);
        EXPECT_EQ(h.settings.values["Text1"], pattern);
    }
    h.view.SetText(ControlId::Text2, "abc");
    h.view.SetText(ControlId::Text3, "");
    h.view.SetText(ControlId::Text3, "C:\\x");
    h.view.SetText(ControlId::Text3, "");
    EXPECT_EQ(h.settings.values["Text2"], "abc");
    EXPECT_EQ(h.settings.values["Text3"], "");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "");  // the count and target leave it alone
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(ChangeHandlers, TypingWritesOnEveryKeystroke) {
    Form1Harness h;
    std::string typed;
    for (const char c : std::string("Job ##")) {
        typed += c;
        h.view.SetText(ControlId::Text1, typed);
    }
    EXPECT_EQ(h.settings.writes.size(), 6u);
    EXPECT_EQ(h.settings.values["Text1"], "Job ##");
}

TEST(ChangeHandlers, AFailedWriteIsShownOnceAndNeverEndsTheProgram) {
    Form1Harness h;
    h.settings.failWrites = true;
    h.view.SetText(ControlId::Text1, "A#");
    h.view.SetText(ControlId::Text2, "5");
    h.view.SetText(ControlId::Text3, "C:\\");
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "The name pattern could not be saved:\r\nAccess is denied.");
    EXPECT_EQ(h.dialogs.shown[0].caption, "Application Error");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "A1");  // the preview still follows
}

TEST(SampleButton, PointsTheTargetAtTheSamplesBesideTheProgram) {
    Form1Harness h;
    h.form.PushButton2_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], "C:\\Program Files\\Quire\\Samples");
    EXPECT_EQ(h.settings.values["Text3"], "C:\\Program Files\\Quire\\Samples");
    EXPECT_TRUE(h.dialogs.shown.empty());

    Form1Harness root(kWindowsTraits, "D:\\");
    root.form.PushButton2_Click();
    EXPECT_EQ(root.view.texts[ControlId::Text3], "D:\\\\Samples");
}

TEST(SampleButton, ARefusedTextIsReportedWith100) {
    Form1Harness h;
    h.view.failing = {"Text3"};
    h.form.PushButton2_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("Form1.PushButton2_Click at line 100"),
              std::string::npos);
    EXPECT_EQ(h.view.texts[ControlId::Text3], "");
}

// An installed program's samples belong to root: the user's own copy, made once and then kept
// as the user left it; a shipped folder the user may write to stays the one used.
TEST(SampleButton, UsesTheUsersCopyWhereTheShippedFolderCannotBeWritten) {
    const std::string shipped = "/usr/share/quirebatch/Samples";
    const std::string copy = "/home/ada/.local/share/quirebatch/Samples";
    Form1Harness h(kPosixTraits, "/usr/share/quirebatch", copy);
    h.files.folders = {shipped};
    h.files.files = {shipped + "/README.txt"};
    h.files.readOnly = {shipped};
    h.form.PushButton2_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], copy);
    EXPECT_EQ(h.settings.values["Text3"], copy);
    EXPECT_EQ(h.files.files.count(copy + "/README.txt"), 1u);

    h.files.files.erase(copy + "/README.txt");  // the user's changes stay
    h.view.SetText(ControlId::Text3, "/elsewhere");
    h.form.PushButton2_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], copy);
    EXPECT_EQ(h.files.files.count(copy + "/README.txt"), 0u);
    EXPECT_TRUE(h.dialogs.shown.empty());

    h.files.readOnly.clear();
    h.form.PushButton2_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], shipped);
}

TEST(SampleButton, ACopyThatCannotBeMadeIsReportedWith100AndLeavesTheTarget) {
    const std::string copy = "/home/ada/.local/share/quirebatch/Samples";
    Form1Harness h(kPosixTraits, "/usr/share/quirebatch", copy);
    h.files.failures = {{copy, "Read-only file system"}};
    h.view.SetText(ControlId::Text3, "/home/ada/Jobs/");
    h.form.PushButton2_Click();  // the shipped folder is missing: nothing can be made in it
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("Read-only file system"), std::string::npos);
    EXPECT_EQ(h.view.texts[ControlId::Text3], "/home/ada/Jobs/");
}

TEST(HelpButton, AsksAndOpensTheCompanionPageOnlyOnYes) {
    Form1Harness h;
    h.form.PushButton6_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].style, BoxStyle::YesNo);
    EXPECT_EQ(h.dialogs.shown[0].text.rfind("This software will create folders such as Vell1 Vell2 "
                                            "Vell3. If you would like",
                                            0),
              0u);
    EXPECT_EQ(h.dialogs.shown[0].text.find('\n'), std::string::npos);
    EXPECT_TRUE(h.shell.opened.empty());

    h.dialogs.answers = {BoxAnswer::Yes};
    h.form.PushButton6_Click();
    EXPECT_EQ(h.shell.opened,
              (std::vector<std::string>{"https://www.quillmark.example/quirefromtext/"}));
}

TEST(HelpButton, AQuestionThatCannotBeShownStillOpensThePage) {
    Form1Harness h;
    h.dialogs.failYesNo = true;
    h.form.PushButton6_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[1].text.find("PushButton6_Click at line 100"), std::string::npos);
    EXPECT_EQ(h.shell.opened.size(), 1u);
}

TEST(BrowseButton, CancelChangesNothing) {
    Form1Harness h;
    h.view.texts[ControlId::Text3] = "C:\\Old\\";
    h.form.PushButton7_Click();
    EXPECT_EQ(
        h.shell.pickerCalls,
        (std::vector<std::pair<std::string, std::string>>{{"Save images to this folder", ""}}));
    EXPECT_EQ(h.view.texts[ControlId::Text3], "C:\\Old\\");
    EXPECT_TRUE(h.settings.writes.empty());
}

TEST(BrowseButton, AddsOneSeparatorExceptAtARoot) {
    Form1Harness h;
    h.shell.picked = "C:\\Data\\Jobs";
    h.form.PushButton7_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], "C:\\Data\\Jobs\\");
    EXPECT_EQ(h.settings.values["LastFolderDot"], "C:\\Data\\Jobs");
    EXPECT_EQ(h.settings.values["Text3"], "C:\\Data\\Jobs\\");

    h.shell.picked = "D:\\";
    h.form.PushButton7_Click();
    EXPECT_EQ(h.view.texts[ControlId::Text3], "D:\\");
    EXPECT_EQ(h.settings.values["LastFolderDot"], "D:\\");
    EXPECT_EQ(h.shell.pickerCalls.back().second, "");  // never opens at the previous choice

    Form1Harness posix(kPosixTraits, "/opt/quire");
    posix.shell.picked = "/";
    posix.form.PushButton7_Click();
    EXPECT_EQ(posix.view.texts[ControlId::Text3], "/");
    posix.shell.picked = "/home/ada/My Jobs";
    posix.form.PushButton7_Click();
    EXPECT_EQ(posix.view.texts[ControlId::Text3], "/home/ada/My Jobs/");
}

TEST(BrowseButton, FailuresAreReportedAndTheRestRuns) {
    Form1Harness h;
    h.shell.failPicker = true;
    h.form.PushButton7_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("PushButton7_Click at line 100"), std::string::npos);
    EXPECT_EQ(h.view.texts[ControlId::Text3], "");

    // A store that refuses LastFolderDot still gets the box updated; Text3's own write fails
    // quietly after the first unguarded notice.
    Form1Harness w;
    w.shell.picked = "C:\\Jobs";
    w.settings.failWrites = true;
    w.form.PushButton7_Click();
    EXPECT_EQ(w.view.texts[ControlId::Text3], "C:\\Jobs\\");
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_NE(w.dialogs.shown[0].text.find("PushButton7_Click at line 104"), std::string::npos);
}

TEST(HoverPointer, HandOverButtonsDefaultOverSurfacesUnchangedElsewhere) {
    Form1Harness h;
    const auto move = [&](ControlId control) {
        DispatchEvent(h.form, control, FormEvent::MouseMove);
        return h.view.pointer;
    };
    EXPECT_EQ(move(ControlId::PushButton1), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Form1), MousePointer::Default);
    EXPECT_EQ(move(ControlId::PushButton7), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Text3), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Label2), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Label4), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Text4), MousePointer::Custom);
    EXPECT_EQ(move(ControlId::Frame3), MousePointer::Default);
    for (const ControlId id : {ControlId::PushButton2, ControlId::PushButton6}) {
        EXPECT_EQ(move(id), MousePointer::Custom);
        EXPECT_EQ(move(ControlId::Text1), MousePointer::Default);
        EXPECT_EQ(move(id), MousePointer::Custom);
        EXPECT_EQ(move(ControlId::Text2), MousePointer::Default);
        EXPECT_EQ(move(id), MousePointer::Custom);
        EXPECT_EQ(move(ControlId::Frame1), MousePointer::Default);
        EXPECT_EQ(move(id), MousePointer::Custom);
        EXPECT_EQ(move(ControlId::Frame2), MousePointer::Default);
    }
}

TEST(EventBindings, OnlyTheDesignedEventsAreHandled) {
    Form1Harness h;
    EXPECT_FALSE(DispatchEvent(h.form, ControlId::Text3, FormEvent::MouseMove));
    EXPECT_FALSE(DispatchEvent(h.form, ControlId::Text4, FormEvent::Change));
    EXPECT_FALSE(DispatchEvent(h.form, ControlId::Label4, FormEvent::Click));
    EXPECT_FALSE(DispatchEvent(h.form, ControlId::Frame1, FormEvent::Click));
    EXPECT_EQ(Form1EventBindings().size(), 17u);
    h.shell.picked = "C:\\P";
    EXPECT_TRUE(DispatchEvent(h.form, ControlId::PushButton7, FormEvent::Click));
    EXPECT_EQ(h.view.texts[ControlId::Text3], "C:\\P\\");
}

TEST(Unload, EndsTheProgramWithoutSavingOrAsking) {
    Form1Harness h;
    int cancel = 0;
    h.form.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_EQ(h.view.endProgramCalls, 1);
    EXPECT_TRUE(h.form.Unloaded());
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// Started for a folder (a file manager's "Create numbered folders here"): one folder that passes
// the target check is taken as the picker puts it, and stored; anything else changes nothing.
TEST(StartFolder, OneFolderIsTakenAsThePickerPutsItAnythingElseIsIgnored) {
    const struct {
        std::vector<std::string> arguments;
        std::string shown;
    } cases[] = {
        {{"C:\\Jobs"}, "C:\\Jobs\\"},
        {{"C:\\"}, "C:\\"},  // a root keeps its one separator
        {{"\\\\server\\share"}, "\\\\server\\share\\"},
        {{"C:\\file.txt"}, "C:\\Stored\\"},
        {{"C:\\missing"}, "C:\\Stored\\"},
        {{"C:\\Jobs", "C:\\Jobs"}, "C:\\Stored\\"},
        {{"--x"}, "C:\\Stored\\"},
        {{""}, "C:\\Stored\\"},
        {{}, "C:\\Stored\\"},
    };
    for (const auto& c : cases) {
        Form1Harness h;
        h.files.folders = {"C:\\Jobs", "C:\\", "\\\\server\\share", "C:\\Stored"};
        h.files.files = {"C:\\file.txt"};
        h.settings.values["Text3"] = "C:\\Stored\\";
        h.form.Form_Load();
        h.form.TakeStartFolder(c.arguments);
        EXPECT_EQ(h.view.texts[ControlId::Text3], c.shown);
        EXPECT_EQ(h.settings.values["Text3"], c.shown) << "stored as every change is";
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

}  // namespace
}  // namespace quire
