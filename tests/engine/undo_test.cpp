#include "engine/undo.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/journal_records.h"
#include "engine/run_journal.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_journal_store.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeJournalStore;

class RecordingHost final : public UndoHost {
public:
    std::vector<std::string> removed;
    std::vector<std::string> kept;  // "PATH: reason"
    int stopAfter = -1;

    bool BeforeFolder(std::int64_t done, std::int64_t) override { return done != stopAfter; }
    void Removed(const std::string& path) override { removed.push_back(path); }
    void Kept(const std::string& path, std::string_view reason) override {
        kept.push_back(path + ": " + std::string(reason));
    }
};

class UndoTest : public testing::Test {
protected:
    FakeFileSystem files;
    FakeJournalStore store;
    RecordingHost host;

    void SetUp() override { files.folders = {"/t"}; }

    // A run that made `paths` in /t, in order.
    void Run(const std::vector<std::string>& paths) {
        RunJournal journal(files, store, DescribeRun("/t", "F#", false, 3, '/'), nullptr);
        for (const std::string& path : paths) {
            files.CreateFolderUnlessExists(path);
            journal.FolderCreated(path);
        }
        journal.Finish();
    }

    // A journal written by hand: `paths` with the identities the fake gives them, and the end.
    std::string Written(const std::vector<std::string>& paths, const std::string& target = "/t") {
        const RunDescription run = DescribeRun(target, "F#", false, 3, '/');
        std::string bytes(records::kMagic);
        records::AppendRun(bytes, run);
        for (const std::string& path : paths) {
            records::AppendFolder(bytes, path,
                                  files.IdentityOf(files.folders.count(path) != 0 ? path : "/t"));
        }
        records::AppendEnd(bytes, 1);
        return bytes;
    }
};

// Whatever happened to a folder after the run, undo removes it only when it is still the empty
// folder the run made; everything else stays as it is, and the report says why.
TEST_F(UndoTest, RemovesOnlyTheFoldersStillEmptyAndUnchanged) {
    const struct {
        const char* name;
        std::function<void(FakeFileSystem&)> change;  // to /t/F2, after the run
        std::string kept;                             // empty: removed
        std::set<std::string> left;                   // what is then in /t besides /t
    } cases[] = {
        {"untouched", [](FakeFileSystem&) {}, "", {}},
        {"replaced by a file",
         [](FakeFileSystem& f) {
             f.folders.erase("/t/F2");
             f.files.insert("/t/F2");
         },
         "/t/F2: changed",
         {"/t/F2"}},
        {"replaced by a link",
         [](FakeFileSystem& f) { f.links.insert("/t/F2"); },
         "/t/F2: changed",
         {"/t/F2"}},
        {"filled",
         [](FakeFileSystem& f) { f.files.insert("/t/F2/notes.txt"); },
         "/t/F2: not empty",
         {"/t/F2"}},
        {"made again by someone else",
         [](FakeFileSystem& f) {
             f.folders.erase("/t/F2");
             f.CreateFolderUnlessExists("/t/F2");
         },
         "/t/F2: changed",
         {"/t/F2"}},
        {"removed", [](FakeFileSystem& f) { f.folders.erase("/t/F2"); }, "/t/F2: gone", {}},
        {"refused by the system",
         [](FakeFileSystem& f) { f.failures["/t/F2"] = "Device or resource busy"; },
         "/t/F2: Device or resource busy",
         {"/t/F2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files = FakeFileSystem();
        files.folders = {"/t"};
        host = RecordingHost();
        Run({"/t/F1", "/t/F2", "/t/F3"});
        c.change(files);
        const std::optional<UndoResult> result =
            UndoLastRun(files, files, files, store, host, false);
        ASSERT_TRUE(result);
        const bool kept = !c.kept.empty();
        EXPECT_EQ(result->removed, kept ? 2 : 3);
        EXPECT_EQ(result->kept, kept ? 1 : 0);
        EXPECT_EQ(host.kept, kept ? std::vector<std::string>{c.kept} : std::vector<std::string>{});
        std::set<std::string> left = files.folders;
        left.insert(files.files.begin(), files.files.end());
        left.insert(files.links.begin(), files.links.end());
        left.erase("/t");
        std::set<std::string> expected = c.left;
        expected.insert(files.files.begin(), files.files.end());
        EXPECT_EQ(left, expected);
        EXPECT_FALSE(UndoLastRun(files, files, files, store, host, false))
            << "a second undo finds nothing";
    }
}

// A target that cannot be found (moved, or on a drive not there now) is no "everything gone":
// nothing is removed and the journal stays for an undo once it is back.
TEST_F(UndoTest, ATargetThatCannotBeFoundKeepsTheJournal) {
    Run({"/t/F1", "/t/F1/A", "/t/F2"});
    files.folders = {"/elsewhere"};
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, store, host, false);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->targetProblem, "No such folder");
    EXPECT_EQ(result->removed + result->kept, 0);
    ASSERT_TRUE(LastRunToUndo(store));
    EXPECT_EQ(LastRunToUndo(store)->folders, 3);
}

// Subfolders go before their folders; the dry run foresees that, and removes nothing.
TEST_F(UndoTest, RemovesLastFirstAndTheDryRunForeseesIt) {
    Run({"/t/F1", "/t/F1/A", "/t/F1/A/B", "/t/F2"});
    files.files.insert("/t/F2/kept.txt");
    const std::set<std::string> before = files.folders;

    const std::optional<UndoResult> dry = UndoLastRun(files, files, files, store, host, true);
    EXPECT_EQ(files.folders, before);
    EXPECT_EQ(host.removed, (std::vector<std::string>{"/t/F1/A/B", "/t/F1/A", "/t/F1"}));
    EXPECT_EQ(host.kept, std::vector<std::string>{"/t/F2: not empty"});
    EXPECT_EQ(dry->removed, 3);
    ASSERT_TRUE(LastRunToUndo(store)) << "a dry run marks nothing";
    EXPECT_EQ(LastRunToUndo(store)->folders, 4);
    EXPECT_EQ(LastRunToUndo(store)->target, "/t");

    host = RecordingHost();
    const std::optional<UndoResult> undo = UndoLastRun(files, files, files, store, host, false);
    EXPECT_EQ(host.removed, (std::vector<std::string>{"/t/F1/A/B", "/t/F1/A", "/t/F1"}));
    EXPECT_EQ(undo->removed, 3);
    EXPECT_EQ(files.folders, (std::set<std::string>{"/t", "/t/F2"}));
    EXPECT_FALSE(LastRunToUndo(store));
}

// Only what lies inside the target, read plainly, is acted on, and a folder listed twice counts
// once: the dry run and the undo agree, and the user's folders elsewhere stay.
TEST_F(UndoTest, ActsOnlyInsideTheTargetAndOnEachFolderOnce) {
    files.folders = {"/t", "/t/F1", "/t/F2", "/t/F3", "/u", "/u/x", "/u/y"};
    store.journal = Written(
        {"/t/F1", "/t/../u/x", "/u/y", "/t/F2", "/t/./F2", "/t//F3", "/t", "/t/F1/..", "/tu/z"});
    for (const bool dryRun : {true, false}) {
        SCOPED_TRACE(dryRun ? "dry run" : "undo");
        host = RecordingHost();
        const std::optional<UndoResult> result =
            UndoLastRun(files, files, files, store, host, dryRun);
        ASSERT_TRUE(result);
        EXPECT_EQ(host.removed, (std::vector<std::string>{"/t/F3", "/t/F2", "/t/F1"}));
        EXPECT_EQ(result->kept, 5);
        EXPECT_EQ(host.kept.front(), "/tu/z: " + std::string(kKeptOutside));
    }
    EXPECT_EQ(files.folders, (std::set<std::string>{"/t", "/u", "/u/x", "/u/y"}));
}

// A run still writing its journal is not undone; once it ends, it is.
TEST_F(UndoTest, ARunStillInProgressIsNotUndone) {
    {
        RunJournal journal(files, store, DescribeRun("/t", "F#", false, 3, '/'), nullptr);
        files.CreateFolderUnlessExists("/t/F1");
        journal.FolderCreated("/t/F1");
        EXPECT_THROW(LastRunToUndo(store), JournalBusy);
        EXPECT_THROW(UndoLastRun(files, files, files, store, host, false), JournalBusy);
        EXPECT_EQ(files.folders.count("/t/F1"), 1U);
        journal.Finish();
    }
    EXPECT_EQ(UndoLastRun(files, files, files, store, host, false)->removed, 1);
}

// The window asks about the journal it read and removes no more than the folders it counted,
// whatever that file holds by the time of the answer.
TEST_F(UndoTest, RemovesNoMoreThanTheFoldersAskedAbout) {
    for (const char* path : {"/t/F1", "/t/F2", "/t/F3", "/t/F4"})
        files.CreateFolderUnlessExists(path);
    store.journal = Written({"/t/F1", "/t/F2"});
    const std::optional<UndoableRun> asked = LastRunToUndo(store);
    ASSERT_EQ(asked->folders, 2);
    store.journal = Written({"/t/F1", "/t/F2", "/t/F3", "/t/F4"});
    const std::optional<UndoResult> result =
        UndoLastRun(files, files, files, store, host, false, &*asked);
    EXPECT_EQ(host.removed, (std::vector<std::string>{"/t/F2", "/t/F1"}));
    EXPECT_EQ(files.folders, (std::set<std::string>{"/t", "/t/F3", "/t/F4"}));
}

// A journal without its end (the run was killed, or could not write on) is undone as far as it
// goes, and said to be incomplete.
TEST_F(UndoTest, AJournalWithoutItsEndIsIncomplete) {
    const struct {
        const char* name;
        std::function<void(RunJournal&)> end;
        bool incomplete;
    } cases[] = {
        {"finished", [](RunJournal& journal) { journal.Finish(); }, false},
        {"killed", [](RunJournal&) {}, true},
        {"unwritable",
         [this](RunJournal& journal) {
             store.writeFailure = "No space left on device";
             journal.Finish();
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files = FakeFileSystem();
        files.folders = {"/t"};
        store = FakeJournalStore();
        {
            RunJournal journal(files, store, DescribeRun("/t", "F#", false, 3, '/'), nullptr);
            files.CreateFolderUnlessExists("/t/F1");
            journal.FolderCreated("/t/F1");
            c.end(journal);
        }
        const std::optional<UndoResult> result =
            UndoLastRun(files, files, files, store, host, false);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->removed, 1);
        EXPECT_EQ(result->incomplete, c.incomplete);
    }
}

TEST_F(UndoTest, NothingToUndoAndAnUnreadableJournalAreToldApart) {
    EXPECT_FALSE(UndoLastRun(files, files, files, store, host, false));
    store.openFailure = "Not an ordinary file but a named pipe";
    EXPECT_THROW(UndoLastRun(files, files, files, store, host, false), Failure);
    EXPECT_THROW(LastRunToUndo(store), Failure);
}

// A stopped undo leaves in the journal the folders it did not remove, for the next undo; a run
// that replaced the journal meanwhile keeps its own.
TEST_F(UndoTest, AStoppedUndoLeavesTheRestAndAnOvertakenOneMarksNothing) {
    Run({"/t/F1", "/t/F2", "/t/F3"});
    host.stopAfter = 1;
    EXPECT_TRUE(UndoLastRun(files, files, files, store, host, false)->stopped);
    EXPECT_EQ(LastRunToUndo(store)->folders, 2);
    host.stopAfter = -1;
    const std::optional<UndoResult> rest = UndoLastRun(files, files, files, store, host, false);
    EXPECT_EQ(rest->removed, 2);
    EXPECT_EQ(rest->kept, 0);
    EXPECT_FALSE(LastRunToUndo(store));

    Run({"/t/F4"});
    struct : UndoHost {
        std::function<void()> once;
        bool BeforeFolder(std::int64_t, std::int64_t) override {
            if (once) std::exchange(once, nullptr)();
            return true;
        }
    } racing;
    racing.once = [this] { Run({"/t/G1"}); };
    UndoLastRun(files, files, files, store, racing, false);
    ASSERT_TRUE(LastRunToUndo(store));
    EXPECT_EQ(ReadJournal(store)->folders.front().path, "/t/G1");
}

}  // namespace
}  // namespace quire
