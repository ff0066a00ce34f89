// "Undo Last Run...": what the window asks and tells, and what it leaves, for each state of the
// last run's journal and each answer.
#include <gtest/gtest.h>

#include "engine/run_journal.h"
#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::Form1Harness;

struct UndoCase {
    const char* name;
    bool run;                 // a run of Folder 001-003 in C:\Jobs came first
    std::string openFailure;  // the journal cannot be read
    BoxAnswer answer;
    bool closeDuringUndo;
    std::vector<std::string> boxes;  // every box shown by the undo, in order
    std::size_t left;                // of the run's three folders (one of them filled)
};

// A window over C:\Jobs whose inputs make Folder 001-003, after that run when `run` is set.
struct JobsWindow : Form1Harness {
    explicit JobsWindow(bool run = true) {
        files.folders = {"C:\\Jobs"};
        Enter("Folder ###", "3", "C:\\Jobs");
        if (run) form.PushButton1_Click();
    }
};

const std::string kQuestion = "Remove the 3 empty folders that the last run created in C:\\Jobs?";

TEST(UndoLastRun, AsksRemovesAndTellsOrSaysWhyNot) {
    const UndoCase cases[] = {
        {"no run", false, "", BoxAnswer::Yes, false, {"There is no run to undo."}, 0},
        {"journal unreadable",
         true,
         "Access is denied.",
         BoxAnswer::Yes,
         false,
         {"The journal of the last run could not be read:\r\nAccess is denied."},
         3},
        {"answered No", true, "", BoxAnswer::No, false, {kQuestion}, 3},
        {"answered Yes",
         true,
         "",
         BoxAnswer::Yes,
         false,
         {kQuestion, "Removed 2 folders. 1 was kept because it is not empty or has changed."},
         1},
        {"window closed meanwhile", true, "", BoxAnswer::Yes, true, {kQuestion}, 3},
    };
    for (const UndoCase& c : cases) {
        JobsWindow h(c.run);
        h.files.files.insert("C:\\Jobs\\Folder 002\\notes.txt");
        h.journal.openFailure = c.openFailure;
        h.dialogs.shown.clear();
        h.dialogs.answers = {c.answer};
        h.pump.onPump = [&](int) {
            if (c.closeDuringUndo) {
                int cancel = 0;
                h.form.Form_Unload(cancel);
            }
            return true;
        };
        h.form.UndoLastRun_Click();
        EXPECT_EQ(h.dialogs.Texts(), c.boxes) << c.name;
        std::size_t left = 0;
        for (const char* name : {"Folder 001", "Folder 002", "Folder 003"}) {
            left += h.files.folders.count(std::string("C:\\Jobs\\") + name);
        }
        EXPECT_EQ(left, c.left) << c.name;
        EXPECT_FALSE(h.form.RunInProgress()) << c.name;
    }
}

TEST(UndoLastRun, ASecondUndoFindsNothingAndARunInProgressIsNotInterrupted) {
    JobsWindow h;
    h.dialogs.answers = {BoxAnswer::Yes};
    h.form.UndoLastRun_Click();
    h.dialogs.shown.clear();
    h.form.UndoLastRun_Click();
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>{"There is no run to undo."});

    h.dialogs.shown.clear();
    h.pump.onPump = [&](int) {
        EXPECT_FALSE(h.form.UndoOffered());
        h.form.UndoLastRun_Click();  // turned away without a word
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.folders.size(), 4u);
    EXPECT_TRUE(h.form.UndoOffered());
}

// Another program's run replaces the journal while the user is asked: neither run is touched.
TEST(UndoLastRun, UndoesOnlyTheRunTheUserWasAskedAbout) {
    JobsWindow h;
    h.dialogs.answers = {BoxAnswer::Yes};
    h.dialogs.onShow = [&](const fakes::ShownBox& box) {
        if (box.style != BoxStyle::YesNo) return;
        h.files.CreateFolderUnlessExists("C:\\Jobs\\Other");
        RunJournal other(h.files, h.journal, DescribeRun("C:\\Jobs", "Other", false, 1, '\\'),
                         [](const Failure&) {});
        other.FolderCreated("C:\\Jobs\\Other");
        other.Finish();
    };
    h.dialogs.shown.clear();
    h.form.UndoLastRun_Click();
    EXPECT_EQ(h.dialogs.Texts().back(),
              "Another run has taken the place of the last run meanwhile, so nothing was removed.");
    EXPECT_EQ(h.files.folders.size(), 5u);
}

}  // namespace
}  // namespace quire
