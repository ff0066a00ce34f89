#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/run_journal.h"
#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::Form1Harness;

constexpr const char* kQuestion =
    "Would you like this software to open the folder where these folders were created?";

class StartButton : public testing::Test {
protected:
    Form1Harness h;

    void SetUp() override {
        h.files.folders = {"C:\\Jobs"};
        h.Enter("Folder ###", "3", "C:\\Jobs");
    }

    std::vector<std::string> Questions() const {
        std::vector<std::string> questions;
        for (const auto& box : h.dialogs.shown) {
            if (box.style == BoxStyle::YesNo) questions.push_back(box.text);
        }
        return questions;
    }
};

TEST_F(StartButton, CreatesTheFoldersPumpingBeforeEachThenAsks) {
    std::vector<std::string> order;
    h.pump.onPump = [&](int) {
        order.push_back("pump");
        return true;
    };
    h.files.beforeCreate = [&](const std::string& path) { order.push_back(path); };
    h.form.PushButton1_Click();
    EXPECT_EQ(order,
              (std::vector<std::string>{"pump", "C:\\Jobs\\Folder 001", "pump",
                                        "C:\\Jobs\\Folder 002", "pump", "C:\\Jobs\\Folder 003"}));
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, kQuestion);
    EXPECT_EQ(h.dialogs.shown[0].style, BoxStyle::YesNo);
    EXPECT_EQ(h.dialogs.shown[0].caption, h.form.ApplicationTitle());
    EXPECT_TRUE(h.shell.opened.empty());  // the answer was No
    EXPECT_FALSE(h.form.RunInProgress());
}

TEST_F(StartButton, YesOpensTheTargetAsItStandsThen) {
    h.Enter("F#", "2", "C:\\Jobs\\");
    h.files.folders.insert("C:\\Jobs\\");
    h.dialogs.answers = {BoxAnswer::Yes};
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{"C:\\Jobs\\\\F1", "C:\\Jobs\\\\F2"}));
    EXPECT_EQ(h.shell.opened, (std::vector<std::string>{"C:\\Jobs\\"}));
}

TEST_F(StartButton, SkipsExistingFoldersSilently) {
    h.Enter("Folder ###", "5", "C:\\Jobs");
    h.files.folders.insert(
        {"C:\\Jobs\\Folder 001", "C:\\Jobs\\Folder 002", "C:\\Jobs\\Folder 003"});
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created,
              (std::vector<std::string>{"C:\\Jobs\\Folder 004", "C:\\Jobs\\Folder 005"}));
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

TEST_F(StartButton, CountsAreRoundedHalfToEvenAndWidenPastTheBlock) {
    h.Enter("F#", "2.5", "C:\\Jobs");
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 2u);
    h.files.created.clear();
    h.Enter("G#", "3.5", "C:\\Jobs");
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 4u);
    h.files.created.clear();
    h.Enter("Folder ###", "1000", "C:\\Jobs");
    h.form.PushButton1_Click();
    ASSERT_EQ(h.files.created.size(), 1000u);
    EXPECT_EQ(h.files.created[998], "C:\\Jobs\\Folder 999");
    EXPECT_EQ(h.files.created[999], "C:\\Jobs\\Folder 1000");
}

TEST_F(StartButton, ACountOfZeroOrLessCreatesNothingButStillAsks) {
    for (const char* count : {"0", "-4"}) {
        h.dialogs.shown.clear();
        h.Enter("F#", count, "C:\\Jobs");
        h.form.PushButton1_Click();
        EXPECT_TRUE(h.files.created.empty());
        EXPECT_EQ(Questions(), (std::vector<std::string>{kQuestion}));
        EXPECT_EQ(h.pump.calls, 0);
    }
}

TEST_F(StartButton, ValidationMessagesInOrderAndNothingCreated) {
    struct Case {
        const char* pattern;
        const char* count;
        const char* target;
        const char* message;
    };
    const Case cases[] = {
        {"A#B#", "abc", "C:\\Nowhere", "Folder does not appear to be valid"},
        {"A#B#", "abc", "", "Folder does not appear to be valid"},
        {"A#B#", "abc", "C:\\Jobs",
         "You must have a single block of #'s present in your naming scheme."},
        {"Report", "3", "C:\\Jobs",
         "You must have a single block of #'s present in your naming scheme."},
        {"F#", "abc", "C:\\Jobs", "abc does not appear to be a number."},
        {"F#", "", "C:\\Jobs", " does not appear to be a number."},
        {"F#", "0x10", "C:\\Jobs", "0x10 does not appear to be a number."},
    };
    for (const Case& c : cases) {
        h.dialogs.shown.clear();
        h.Enter(c.pattern, c.count, c.target);
        h.form.PushButton1_Click();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << c.message;
        EXPECT_EQ(h.dialogs.shown[0].text, c.message);
        EXPECT_EQ(h.dialogs.shown[0].style, BoxStyle::Ok);
        EXPECT_EQ(h.dialogs.shown[0].caption, h.form.ApplicationTitle());
        EXPECT_FALSE(h.form.RunInProgress());
    }
    EXPECT_TRUE(h.files.created.empty());
    EXPECT_EQ(h.pump.calls, 0);
}

TEST_F(StartButton, AFailingFolderIsReportedWith126AndTheRunGoesOn) {
    h.Enter("F#", "4", "C:\\Jobs");
    h.files.files = {"C:\\Jobs\\F2"};
    h.files.failures = {
        {"C:\\Jobs\\F3", "The filename, directory name, or volume label syntax is incorrect."}};
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{"C:\\Jobs\\F1", "C:\\Jobs\\F4"}));
    ASSERT_EQ(h.dialogs.shown.size(), 3u);
    EXPECT_EQ(h.dialogs.shown[0].text,
              "File exists\r\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 126\r\r"
              "Please email screenshot of this message to support@quillmark.example");
    EXPECT_EQ(h.dialogs.shown[0].caption, "Application Error");
    EXPECT_EQ(h.dialogs.shown[1].text.find("The filename, directory name, or volume label syntax "
                                           "is incorrect.\r\nin QuireBatch2021/08/31.Form1."
                                           "PushButton1_Click at line 126"),
              0u);
    EXPECT_EQ(h.dialogs.shown[2].text, kQuestion);
}

TEST_F(StartButton, ACountBeyond32BitsIsReportedAs112AndNothingHappens) {
    for (const char* count :
         {"2147483648", "1E10", "-2147483649", "1e400", "1e309", "99999999999999999999"}) {
        h.dialogs.shown.clear();
        h.Enter("F#", count, "C:\\Jobs");
        h.form.PushButton1_Click();
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text.find(
                      "Overflow\r\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 112"),
                  0u);
        EXPECT_TRUE(Questions().empty());
        EXPECT_FALSE(h.form.RunInProgress());
    }
    EXPECT_TRUE(h.files.created.empty());
}

TEST_F(StartButton, ASecondClickDuringTheRunIsTurnedAway) {
    h.pump.onPump = [&](int call) {
        if (call == 2) h.form.PushButton1_Click();
        EXPECT_TRUE(h.form.RunInProgress());
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 3u);
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(h.pump.calls, 3);

    h.pump.onPump = nullptr;
    h.Enter("G#", "1", "C:\\Jobs");
    h.form.PushButton1_Click();  // works again afterwards
    EXPECT_EQ(h.files.created.back(), "C:\\Jobs\\G1");
}

TEST_F(StartButton, EditsDuringTheRunTakeEffectFromTheNextFolder) {
    h.files.folders.insert("D:\\Other");
    h.pump.onPump = [&](int call) {
        if (call == 2) h.view.SetText(ControlId::Text1, "Item ##");
        if (call == 3) {
            h.shell.picked = "D:\\Other";
            h.form.PushButton7_Click();
        }
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created,
              (std::vector<std::string>{"C:\\Jobs\\Folder 001", "C:\\Jobs\\Item 02",
                                        "D:\\Other\\\\Item 03"}));
    EXPECT_EQ(h.view.captions[ControlId::Label4], "Item 01");
    EXPECT_EQ(h.settings.values["Text1"], "Item ##");
    EXPECT_EQ(h.settings.values["Text3"], "D:\\Other\\");
}

TEST_F(StartButton, ClosingTheWindowDuringTheRunStopsItAtOnce) {
    h.Enter("F#", "100", "C:\\Jobs");
    h.pump.onPump = [&](int call) {
        if (call == 4) {
            int cancel = 0;
            h.form.Form_Unload(cancel);
        }
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 3u);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.view.endProgramCalls, 1);
    EXPECT_FALSE(h.form.RunInProgress());
}

TEST_F(StartButton, APumpThatReportsClosingStopsTheRun) {
    h.Enter("F#", "100", "C:\\Jobs");
    h.pump.onPump = [](int call) { return call < 6; };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 5u);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(StartButton, AQuestionThatCannotBeShownOpensTheFolder) {
    h.dialogs.failYesNo = true;
    h.form.PushButton1_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[1].text.find("PushButton1_Click at line 138"), std::string::npos);
    EXPECT_EQ(h.shell.opened, (std::vector<std::string>{"C:\\Jobs"}));
}

TEST_F(StartButton, TheTargetIsRemovedMidRun) {
    h.Enter("F#", "3", "C:\\Jobs");
    h.pump.onPump = [&](int call) {
        if (call == 2)
            h.files.failures = {{"C:\\Jobs\\F2", "No such file or directory"},
                                {"C:\\Jobs\\F3", "No such file or directory"}};
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{"C:\\Jobs\\F1"}));
    ASSERT_EQ(h.dialogs.shown.size(), 3u);
    EXPECT_EQ(h.dialogs.shown[0].text.find("No such file or directory\r\n"), 0u);
    EXPECT_EQ(h.dialogs.shown[2].text, kQuestion);
}

// Each test of the inputs is a statement of its own: a failure in it is reported with its number
// and its body runs, the message, then the end.
TEST_F(StartButton, AFailingTestIsReportedWithItsNumberThenItsMessageEndsTheRun) {
    const struct {
        const char* failing;
        int number;
        std::string message;
    } cases[] = {
        {"read Text3", 106, "Folder does not appear to be valid"},
        {"read Text1", 108, "You must have a single block of #'s present in your naming scheme."},
        {"read Text2", 110, " does not appear to be a number."},
    };
    for (const auto& c : cases) {
        Form1Harness fresh;
        fresh.files.folders = {"C:\\Jobs"};
        fresh.Enter("Folder ###", "3", "C:\\Jobs");
        fresh.view.failing = {c.failing};
        fresh.form.PushButton1_Click();
        ASSERT_EQ(fresh.dialogs.shown.size(), 2u) << c.failing;
        EXPECT_NE(fresh.dialogs.shown[0].text.find("at line " + std::to_string(c.number)),
                  std::string::npos);
        EXPECT_EQ(fresh.dialogs.shown[1].text, c.message);
        EXPECT_TRUE(fresh.files.created.empty());
        EXPECT_FALSE(fresh.form.RunInProgress());
    }
}

TEST_F(StartButton, InputsThatCannotBeReadForOneFolderAreReportedWith116AndTheRunGoesOn) {
    h.pump.onPump = [&](int call) {
        h.view.failing = call == 2 ? std::set<std::string>{"read Text1"} : std::set<std::string>{};
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created,
              (std::vector<std::string>{"C:\\Jobs\\Folder 001", "C:\\Jobs\\Folder 003"}));
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[0].text.find("PushButton1_Click at line 116"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[1].text, kQuestion);
}

// A target edited during the run is checked as Start checks it; one that fails ends the run with
// the message: it never becomes a path in the root of the drive.
TEST_F(StartButton, ATargetEditedIntoAnInvalidOneEndsTheRunWithTheMessage) {
    h.files.files = {"C:\\file.txt"};
    for (const std::string edited : {"", "C:\\missing", "C:\\file.txt", "\\"}) {
        h.files.folders = {"C:\\Jobs"};
        h.pump.calls = 0;
        h.files.created.clear();
        h.dialogs.shown.clear();
        h.Enter("F#", "5", "C:\\Jobs");
        h.pump.onPump = [&](int call) {
            if (call == 3) h.view.SetText(ControlId::Text3, edited);
            return true;
        };
        h.form.PushButton1_Click();
        EXPECT_EQ(h.files.created, (std::vector<std::string>{"C:\\Jobs\\F1", "C:\\Jobs\\F2"}))
            << edited;
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << "the message, no question";
        EXPECT_EQ(h.dialogs.shown[0].text, "Folder does not appear to be valid");
        EXPECT_FALSE(h.form.RunInProgress());
    }
}

}  // namespace
}  // namespace quire

namespace quire {
namespace {

// The window's runs are undone like the command line's: the journal lists what each run made.
TEST_F(StartButton, KeepsTheRunsJournalAndTellsOnceWhenItCannot) {
    h.files.folders.insert("C:\\Jobs\\Folder 002");
    h.form.PushButton1_Click();
    const std::optional<Journal> journal = ReadJournal(h.journal);
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->run.target, "C:\\Jobs");
    EXPECT_EQ(journal->run.pattern, "Folder ###");
    ASSERT_EQ(journal->folders.size(), 2u);
    EXPECT_EQ(journal->folders[1].path, "C:\\Jobs\\Folder 003");
    EXPECT_EQ(h.journal.syncs, 1);

    h.journal.beginFailure = "Access is denied.";
    for (const char* count : {"4", "5"}) {
        h.Enter("Folder ###", count, "C:\\Jobs");
        h.form.PushButton1_Click();
    }
    EXPECT_EQ(h.files.created.size(), 4u) << "the runs went on";
    const auto notices = h.dialogs.Texts();
    EXPECT_EQ(std::count(notices.begin(), notices.end(),
                         "The journal of this run could not be written, so Undo Last Run will "
                         "not know it:\r\nAccess is denied."),
              1);
}

// A program that ends during a run ends at once; what the run made is in its journal first.
TEST_F(StartButton, ClosingDuringARunWritesItsJournalFirst) {
    h.pump.onPump = [&](int call) {
        if (call == 3) {
            int cancel = 0;
            h.form.Form_Unload(cancel);
            EXPECT_EQ(ReadJournal(h.journal)->folders.size(), 2u);
        }
        return true;
    };
    h.form.PushButton1_Click();
}

}  // namespace
}  // namespace quire
