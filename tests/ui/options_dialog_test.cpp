#include "ui/options_dialog.h"

#include <gtest/gtest.h>

#include "engine/subfolders.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_options_view.h"
#include "fakes/fake_shell.h"

namespace quire {
namespace {

struct DialogHarness {
    fakes::FakeOptionsView view;
    fakes::FakeFileSystem files;
    fakes::FakeShell shell;
    OptionsDialog dialog{view, files, shell, '/', false};
    DialogHarness() {
        files.folders = {"/jobs", "/jobs/template"};
        dialog.Load({});
    }
};

// A value that cannot be used is refused beside its field, with the reason; OK stays.
TEST(OptionsDialog, RefusesWhatCannotBeUsedBesideItsField) {
    const struct {
        OptionField field;
        const char* text;
        bool listed;
        std::string reason;
    } cases[] = {
        {OptionField::Start, "-1", false, "The first counter cannot be below 0."},
        {OptionField::Start, "2147483648", false, "Type a whole number from 0 to 2147483647."},
        {OptionField::Start, "ten", false, "Type a whole number from 0 to 2147483647."},
        {OptionField::Step, " 0 ", false, "A step of 0 would give every folder one counter."},
        {OptionField::Step, "1.5", false, "Type a whole number from -2147483648 to 2147483647."},
        {OptionField::Each, "RAW\n../up", false, "Line 2: " + Subfolders('/').Add("../up")},
        {OptionField::Template, "/jobs/gone", false, "This is no folder: No such folder"},
        {OptionField::Names, "Acme\n\nB ## #\n", true, "Line 3: the #'s in it are not one block."},
        {OptionField::Names, "Acme\n../Zenith", true,
         "Line 2: a \"..\" in it would put the folder outside the target folder."},
        {OptionField::Names, "\r\n\n", true, "The list holds no name."},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.view.texts[c.field] = c.text;
        h.view.checked[OptionField::Listed] = c.listed;
        EXPECT_FALSE(h.dialog.OK_Click()) << c.text;
        EXPECT_EQ(h.view.problems[c.field], c.reason);
        EXPECT_EQ(h.view.focus, c.field) << c.text;
        std::erase_if(h.view.problems, [](const auto& entry) { return entry.second.empty(); });
        EXPECT_EQ(h.view.problems.size(), 1U) << c.text;
    }
}

// A list not in use is not checked line by line: it is only kept.
TEST(OptionsDialog, AcceptsEveryFieldAsTheRunTakesIt) {
    DialogHarness h;
    h.view.texts = {{OptionField::Start, " 10"},
                    {OptionField::Step, "-5"},
                    {OptionField::Each, "RAW\r\nEdits/Final\n\n"},
                    {OptionField::Template, "/jobs/template"},
                    {OptionField::Names, "B ## #"}};
    h.view.style = CounterStyle::SmallLetters;
    h.view.checked = {{OptionField::Continue, true}, {OptionField::Portable, true}};
    ASSERT_TRUE(h.dialog.OK_Click());
    WindowOptions expected;
    expected.run = {
        10, -5, CounterStyle::SmallLetters, true, {"RAW", "Edits/Final"}, "/jobs/template", true};
    expected.names = "B ## #";
    EXPECT_EQ(h.dialog.Accepted(), expected);
}

TEST(OptionsDialog, ResetGoesBackToThePlainRunAndTheNoteFollowsTheList) {
    DialogHarness h;
    WindowOptions options;
    options.run.start = 7;
    options.listed = true;
    options.names = "Acme";
    h.dialog.Load(options);
    EXPECT_TRUE(h.view.shown[OptionField::ListNote]);
    h.view.problems[OptionField::Start] = "old";
    h.dialog.Reset_Click();
    EXPECT_EQ(h.view.texts[OptionField::Start], "1");
    EXPECT_EQ(h.view.texts[OptionField::Names], "");
    EXPECT_EQ(h.view.problems[OptionField::Start], "");
    EXPECT_FALSE(h.view.shown[OptionField::ListNote]);
    ASSERT_TRUE(h.dialog.OK_Click());
    EXPECT_EQ(h.dialog.Accepted(), WindowOptions{});
}

TEST(OptionsDialog, WindowsKeepsOnlyItsOwnNamesSoTheChoiceIsNotOffered) {
    fakes::FakeOptionsView view;
    fakes::FakeFileSystem files;
    fakes::FakeShell shell;
    OptionsDialog dialog(view, files, shell, '\\', true);
    WindowOptions options;
    options.run.portable = true;
    dialog.Load(options);
    EXPECT_FALSE(view.shown[OptionField::Portable]);
    ASSERT_TRUE(dialog.OK_Click());
    EXPECT_FALSE(dialog.Accepted().run.portable);
}

TEST(OptionsDialog, BrowseFillsTheTemplateBoxAndCancelLeavesIt) {
    DialogHarness h;
    h.view.texts[OptionField::Template] = "/jobs";
    h.dialog.Browse_Click();  // cancelled
    EXPECT_EQ(h.view.texts[OptionField::Template], "/jobs");
    h.shell.picked = "/jobs/template";
    h.dialog.Browse_Click();
    EXPECT_EQ(h.view.texts[OptionField::Template], "/jobs/template");
}

}  // namespace
}  // namespace quire
