#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fakes/fake_options_view.h"
#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::FakeOptionsView;
using fakes::Form1Harness;

// The user types `texts` into the dialog and presses OK.
FakeOptionsView Typing(std::map<OptionField, std::string> texts, bool listed = false) {
    FakeOptionsView view;
    view.user = [texts, listed](OptionsDialog& dialog, FakeOptionsView& shown) {
        for (const auto& [field, text] : texts) shown.texts[field] = text;
        shown.checked[OptionField::Listed] = listed;
        return dialog.OK_Click();
    };
    return view;
}

class WindowOptionsTest : public testing::Test {
protected:
    void SetUp() override {
        h.files.folders = {"C:\\Jobs", "C:\\Shapes", "C:\\Shapes\\RAW"};
        h.form.Form_Load();
        h.Enter("Folder ###", "2", "C:\\Jobs");
        h.settings.writes.clear();
    }
    Form1Harness h;
};

TEST_F(WindowOptionsTest, CancelKeepsNothingAndWritesNothing) {
    FakeOptionsView view;
    view.user = [](OptionsDialog&, FakeOptionsView& shown) {
        shown.texts[OptionField::Start] = "10";
        return false;
    };
    h.form.Options_Click(view);
    EXPECT_EQ(view.runs, 1);
    EXPECT_EQ(h.form.Options(), WindowOptions{});
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_EQ(h.view.tips[ControlId::Label4], "Right-click the window for Options...");
}

// The preview names the first folder as the run makes it, and the run makes the tool's plan.
TEST_F(WindowOptionsTest, OkPutsTheOptionsInThePreviewTheStoreAndTheRun) {
    FakeOptionsView view = Typing({{OptionField::Start, "10"},
                                   {OptionField::Step, "5"},
                                   {OptionField::Each, "Edits"},
                                   {OptionField::Template, "C:\\Shapes"}});
    h.form.Options_Click(view);
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Folder 010");
    EXPECT_NE(h.view.tips[ControlId::Label4].find("Step: 5"), std::string::npos);
    EXPECT_EQ(h.settings.values["OptionEach"], "Edits");
    EXPECT_EQ(h.settings.writes.size(), 4U);

    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{
                                   "C:\\Jobs\\Folder 010", "C:\\Jobs\\Folder 010\\Edits",
                                   "C:\\Jobs\\Folder 010\\RAW", "C:\\Jobs\\Folder 015",
                                   "C:\\Jobs\\Folder 015\\Edits", "C:\\Jobs\\Folder 015\\RAW"}));
    EXPECT_EQ(h.dialogs.Texts().back(),
              "Would you like this software to open the folder where these folders were "
              "created?");
}

// A template removed after OK is refused by the plan, with the tool's reason: nothing is made.
TEST_F(WindowOptionsTest, WhatTheToolRefusesEndsTheRunBeforeAnythingIsMade) {
    FakeOptionsView view = Typing({{OptionField::Template, "C:\\Shapes"}});
    h.form.Options_Click(view);
    h.files.folders.erase("C:\\Shapes");
    h.files.folders.erase("C:\\Shapes\\RAW");
    h.form.PushButton1_Click();
    EXPECT_TRUE(h.files.created.empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("C:\\Shapes"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].style, BoxStyle::Ok);
}

// With the names from the list the pattern and the count are neither checked nor used.
TEST_F(WindowOptionsTest, ListedNamesTakeThePlaceOfThePatternAndTheCount) {
    FakeOptionsView view = Typing({{OptionField::Names, "Acme\r\n\nZenith #\n"}}, true);
    h.form.Options_Click(view);
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Acme");
    h.Enter("no block", "many", "C:\\Jobs");
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{"C:\\Jobs\\Acme", "C:\\Jobs\\Zenith 2"}));
    EXPECT_EQ(h.settings.longValues["OptionNames"], "Acme\r\n\nZenith #\n");
}

TEST(WindowOptionsLoad, GarbageInAKeyIsReportedOnceAndTheRestIsTaken) {
    Form1Harness h;
    h.settings.values = {{"OptionStep", "0"}, {"OptionStyle", "CapitalLetters"}};
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("Form_Load at line 134"), std::string::npos);
    EXPECT_NE(h.dialogs.shown[0].text.find("OptionStep=0"), std::string::npos);
    EXPECT_EQ(h.form.Options().run.step, 1);
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Folder A");
}

// Continuing, the preview counts from one listing of the target, as the run does: typing in the
// pattern box looks the names up again, not the disk; another target, a run, an undo or other
// options list again. A listing that fails or a counter past the range leaves the start.
TEST(ContinuedPreview, CountsFromTheTargetListedOnlyWhenItMayHaveChanged) {
    Form1Harness h;
    h.files.folders = {
        "C:\\Jobs", "C:\\Jobs\\Folder 007",       "C:\\Jobs\\Folder G", "C:\\Other", "C:\\Locked",
        "C:\\Full", "C:\\Full\\Folder 2147483647"};
    h.files.unreadable = {"C:\\Locked"};
    h.settings.values = {{"Text1", "Folder ###"}, {"Text2", "2"},      {"Text3", "C:\\Jobs"},
                         {"OptionContinue", "1"}, {"OptionStep", "3"}, {"OptionStart", "5"}};
    h.dialogs.answers = {BoxAnswer::No, BoxAnswer::Yes};
    FakeOptionsView other = Typing({{OptionField::Step, "4"}});
    const auto text = [&](ControlId box, const char* value) {
        return [&h, box, value] { h.view.SetText(box, value); };
    };
    const struct {
        const char* what;
        std::function<void()> act;
        const char* preview;
        long listings;
    } steps[] = {
        {"start-up", [&] { h.form.Form_Load(); }, "Folder 010", 1},
        {"typing in the pattern", text(ControlId::Text1, "Folder ##"), "Folder 10", 0},
        {"typing on", text(ControlId::Text1, "Folder #"), "Folder 10", 0},
        {"another target", text(ControlId::Text3, "C:\\Other"), "Folder 5", 1},
        {"a run (its plan lists, then the preview)", [&] { h.form.PushButton1_Click(); },
         "Folder 11", 2},
        {"an undo", [&] { h.form.UndoLastRun_Click(); }, "Folder 5", 1},
        {"other options", [&] { h.form.Options_Click(other); }, "Folder 5", 1},
        {"a target that cannot be listed", text(ControlId::Text3, "C:\\Locked"), "Folder 5", 1},
        {"the highest counter there is", text(ControlId::Text3, "C:\\Full"), "Folder 5", 1},
    };
    for (const auto& step : steps) {
        h.files.calls.clear();
        step.act();
        EXPECT_EQ(h.view.captions[ControlId::Label4], step.preview) << step.what;
        EXPECT_EQ(std::count_if(h.files.calls.begin(), h.files.calls.end(),
                                [](const std::string& call) { return call.starts_with("list"); }),
                  step.listings)
            << step.what;
    }
    EXPECT_EQ(h.dialogs.shown.size(), 3U);  // the run's question, undo's question and account
}

// With every option at its default the target is never listed.
TEST(ContinuedPreview, IsNotLookedForWithoutContinuing) {
    Form1Harness h;
    h.files.folders = {"C:\\Jobs", "C:\\Jobs\\Folder 007"};
    h.form.Form_Load();
    h.view.SetText(ControlId::Text3, "C:\\Jobs");
    h.view.SetText(ControlId::Text1, "Folder ###");
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Folder 001");
    EXPECT_TRUE(std::none_of(h.files.calls.begin(), h.files.calls.end(),
                             [](const std::string& call) { return call.starts_with("list"); }));
}

}  // namespace
}  // namespace quire
