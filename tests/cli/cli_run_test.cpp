#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sstream>

#include "cli/cli_undo.h"
#include "engine/run_journal.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_journal_store.h"

namespace quire::cli {
namespace {

class CliRun : public testing::Test {
protected:
    fakes::FakeFileSystem files;
    std::ostringstream out;
    std::ostringstream err;
    int polls = 0;
    int stopAfter = -1;
    int stopSignal = SIGINT;
    CliContext context{PortsOf(files), out, err,
                       [this] { return stopAfter > 0 && ++polls >= stopAfter ? stopSignal : 0; },
                       false};

    void SetUp() override { files.folders = {"/t"}; }

    int Run(std::string pattern, const char* count, const char* target, bool dryRun = false,
            bool nullSeparated = false) {
        return RunFromCommandLine(
            RunOptions{std::move(pattern), count, target, dryRun, false, nullSeparated}, context);
    }
};

TEST_F(CliRun, CreatesSkipsAndSummarises) {
    files.folders.insert("/t/F2");
    EXPECT_EQ(Run("F#", "3", "/t"), kExitDone);
    EXPECT_EQ(files.created, (std::vector<std::string>{"/t/F1", "/t/F3"}));
    EXPECT_EQ(out.str(), "created 2, skipped 1, failed 0\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(CliRun, ValidatesInTheWindowsOrderWithItsTexts) {
    EXPECT_EQ(Run("A#B#", "x", "/missing"), kExitBadInput);
    EXPECT_EQ(Run("A#B#", "x", "/t"), kExitBadInput);
    EXPECT_EQ(Run("F#", "x", "/t"), kExitBadInput);
    EXPECT_EQ(Run("F#", "", "/t"), kExitBadInput);
    EXPECT_EQ(Run("F#", "2,5", "/t"), kExitBadInput);  // the separator is always "."
    EXPECT_EQ(err.str(),
              "quirebatch-cli: /missing: No such folder\n"
              "quirebatch-cli: Folder does not appear to be valid\n"
              "quirebatch-cli: You must have a single block of #'s present in your naming "
              "scheme.\n"
              "quirebatch-cli: x does not appear to be a number.\n"
              "quirebatch-cli:  does not appear to be a number.\n"
              "quirebatch-cli: 2,5 does not appear to be a number.\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(files.created.empty());
}

TEST_F(CliRun, ACountBeyond32BitsIsBadInput) {
    EXPECT_EQ(Run("F#", "2147483648", "/t"), kExitBadInput);
    EXPECT_EQ(err.str(), "quirebatch-cli: 2147483648 does not fit a 32-bit count.\n");
    EXPECT_TRUE(files.created.empty());
}

TEST_F(CliRun, AFailingFolderIsReportedAndTheRunGoesOn) {
    files.failures = {{"/t/F2", "Permission denied"}};
    EXPECT_EQ(Run("F#", "3", "/t"), kExitFailed);
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/F2: Permission denied\n");
    EXPECT_EQ(out.str(), "created 2, skipped 0, failed 1\n");
}

TEST_F(CliRun, UsesThePathsAsTyped) {
    files.folders.insert("/t/");
    EXPECT_EQ(Run(" a# ", "1", "/t/"), kExitDone);
    EXPECT_EQ(files.created, (std::vector<std::string>{"/t// a1 "}));
}

TEST_F(CliRun, DryRunCreatesNothingAndListsWhatItWould) {
    files.folders.insert("/t/F2");
    files.files = {"/t/F3"};
    EXPECT_EQ(Run("F#", "4", "/t", true), kExitFailed);
    EXPECT_TRUE(files.created.empty());
    EXPECT_EQ(out.str(), "/t/F1\n/t/F4\ncreated 2, skipped 1, failed 1\n");
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/F3: File exists\n");
}

TEST_F(CliRun, DryRunSeesAMissingParent) {
    EXPECT_EQ(Run("sub/F#", "1", "/t", true), kExitFailed);
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/sub/F1: No such file or directory\n");
}

TEST_F(CliRun, AStopSignalStopsAfterTheFolderInHand) {
    stopAfter = 3;
    stopSignal = SIGTERM;
    EXPECT_EQ(Run("F#", "10", "/t"), 128 + SIGTERM);
    EXPECT_EQ(files.created.size(), 2u);
    EXPECT_EQ(out.str(), "created 2, skipped 0, failed 0\n");
    polls = 0;
    stopAfter = 1;  // caught with no folder left to stop before
    EXPECT_EQ(Run("F#", "0", "/t"), 128 + SIGTERM);
}

TEST_F(CliRun, QuietPrintsNoSummary) {
    EXPECT_EQ(RunFromCommandLine(RunOptions{"F#", "2", "/t", false, true}, context), kExitDone);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRun, RefusesWithTheReasonAndNamesPrintedSafely) {
    const struct {
        std::string pattern;
        const char* count;
        const char* target;
        const char* message;
    } cases[] = {
        {"F#", "3", "",
         "quirebatch-cli: '': No such folder\nquirebatch-cli: Folder does not appear to be "
         "valid\n"},
        {"F#", "3", "/m\x1b[2J",
         "quirebatch-cli: /m\\x1b[2J: No such folder\n"
         "quirebatch-cli: Folder does not appear to be valid\n"},
        {"../F#", "x", "/t",
         "quirebatch-cli: ../F#: a \"..\" in the pattern would put folders "
         "outside the target folder\n"},
        {"F#/..", "3", "/t",
         "quirebatch-cli: F#/..: a \"..\" in the pattern would put folders "
         "outside the target folder\n"},
        {"F#", "4\n", "/t", "quirebatch-cli: 4\\n does not appear to be a number.\n"},
        {"F#", "1e309", "/t", "quirebatch-cli: 1e309 does not fit a 32-bit count.\n"},
    };
    for (const auto& c : cases) {
        err.str("");
        EXPECT_EQ(Run(c.pattern, c.count, c.target), kExitBadInput) << c.pattern;
        EXPECT_EQ(err.str(), c.message);
    }
    EXPECT_TRUE(files.created.empty());
    // Dots that are no ".." component stay inside.
    EXPECT_EQ(Run("..F#", "1", "/t"), kExitDone);
    EXPECT_EQ(Run("F#..", "1", "/t"), kExitDone);
}

TEST_F(CliRun, DryRunLinesAreEscapedUnlessNullSeparated) {
    files.failures = {
        {"/t/\x1b"
         "2",
         "Permission denied"}};
    EXPECT_EQ(Run("\x1b#", "3", "/t", true), kExitFailed);
    EXPECT_EQ(out.str(), "/t/\\x1b1\n/t/\\x1b3\ncreated 2, skipped 0, failed 1\n");
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/\\x1b2: Permission denied\n");

    out.str("");
    err.str("");
    EXPECT_EQ(Run("a\n#", "2", "/t", true, true), kExitDone);
    EXPECT_EQ(out.str(), std::string("/t/a\n1\0/t/a\n2\0", 14));
    EXPECT_EQ(err.str(), "created 2, skipped 0, failed 0\n");
}

// A dry run's output is its result: once it fails there is nothing left to do. A real run's
// result is on disk, and its failed output is reported when the tool ends.
TEST_F(CliRun, ADryRunStopsWhenItsOutputFails) {
    out.setstate(std::ios::badbit);
    EXPECT_EQ(Run("F#", "5", "/t", true), kExitFailed);
    EXPECT_TRUE(std::none_of(files.calls.begin(), files.calls.end(),
                             [](const std::string& call) { return call.starts_with("predict"); }));
    EXPECT_EQ(Run("F#", "5", "/t"), kExitDone);
    EXPECT_EQ(files.created.size(), 5u);
}

// One run, then the undo commands in turn, each with the status and the lines it gives.
TEST_F(CliRun, UndoRemovesTheLastRunOnceAndSaysWhyNot) {
    fakes::FakeJournalStore journal;
    context.journal = &journal;
    const auto undo = [&](bool dryRun) {
        out.str("");
        err.str("");
        return UndoFromCommandLine(UndoOptions{dryRun, false}, context);
    };
    EXPECT_EQ(undo(false), kExitBadInput);
    EXPECT_EQ(err.str(), "quirebatch-cli: nothing to undo\n");

    RunOptions noJournal{"G#", "1", "/t"};
    noJournal.noJournal = true;
    ASSERT_EQ(Run("F#", "2", "/t"), kExitDone);
    ASSERT_EQ(RunFromCommandLine(noJournal, context), kExitDone);
    files.files.insert("/t/F2/note");
    const struct {
        bool dryRun;
        int status;
        const char* out;
        const char* err;
    } steps[] = {
        {true, kExitFailed, "/t/F1\nwould remove 1, would keep 1\n",
         "quirebatch-cli: kept: /t/F2: not empty\n"},
        {false, kExitFailed, "removed 1, kept 1\n", "quirebatch-cli: kept: /t/F2: not empty\n"},
        {false, kExitBadInput, "", "quirebatch-cli: nothing to undo\n"},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(undo(step.dryRun), step.status);
        EXPECT_EQ(out.str(), step.out);
        EXPECT_EQ(err.str(), step.err);
    }
    EXPECT_TRUE(files.FolderExists("/t/G1"));

    journal.journal = "garbage";
    EXPECT_EQ(undo(false), kExitBadInput);
    EXPECT_EQ(err.str(),
              "quirebatch-cli: the journal of the last run cannot be read: Not a journal of this "
              "program\n");
}

// What undo cannot do is said, and never with a plain success.
TEST_F(CliRun, UndoSaysWhatItCannotKnowOrDo) {
    fakes::FakeJournalStore journal;
    context.journal = &journal;
    const struct {
        const char* name;
        std::function<void()> before;
        int status;
        const char* err;  // how the first line of stderr begins
    } cases[] = {
        {"in progress", [&] { journal.locked = true; }, kExitBadInput,
         "quirebatch-cli: the last run is still in progress; undo it once it has ended: "},
        {"incomplete", [&] { journal.journal->resize(journal.journal->size() - 21); }, kExitFailed,
         "quirebatch-cli: the journal of the last run is incomplete"},
        {"target gone", [&] { files.folders.erase("/t"); }, kExitFailed,
         "quirebatch-cli: /t: No such folder\nquirebatch-cli: the last run's target folder "
         "cannot be found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        journal = fakes::FakeJournalStore();
        files = fakes::FakeFileSystem();
        files.folders = {"/t"};
        ASSERT_EQ(Run("F#", "2", "/t"), kExitDone);
        c.before();
        out.str("");
        err.str("");
        EXPECT_EQ(UndoFromCommandLine(UndoOptions{false, false}, context), c.status);
        EXPECT_TRUE(err.str().starts_with(c.err)) << err.str();
    }
}

TEST_F(CliRun, AJournalThatCannotBeWrittenIsOneWarningAndTheRunGoesOn) {
    fakes::FakeJournalStore journal;
    journal.beginFailure = "Read-only file system";
    context.journal = &journal;
    EXPECT_EQ(Run("F#", "3", "/t"), kExitDone);
    EXPECT_EQ(files.created.size(), 3u);
    EXPECT_EQ(err.str(),
              "quirebatch-cli: warning: no journal of this run, undo will not know it: Read-only "
              "file system\n");
}

}  // namespace
}  // namespace quire::cli

namespace quire::cli {
namespace {

// Operands that look swapped add one line naming the order; other refusals do not.
TEST_F(CliRun, ARefusalOfLikelySwappedOperandsNamesTheOrder) {
    const std::string hint =
        "quirebatch-cli: the order is PATTERN COUNT TARGET, as in: quirebatch-cli \"Folder ###\" "
        "20 ~/Jobs\n";
    const struct {
        std::string pattern;
        const char* count;
        const char* target;
        bool hinted;
    } cases[] = {
        {"12", "Invoice ##", "/t", true},  // COUNT PATTERN TARGET
        {"F#", "/t", "3", true},           // PATTERN TARGET COUNT
        {"/t", "F#", "3", true},           // TARGET PATTERN COUNT
        {"F#", "x", "/t", false},         {"F", "3", "/t", false}, {"F#", "3", "/none", false},
    };
    for (const auto& c : cases) {
        err.str("");
        EXPECT_EQ(Run(c.pattern, c.count, c.target), kExitBadInput) << c.pattern;
        EXPECT_EQ(err.str().ends_with(hint), c.hinted) << err.str();
        EXPECT_EQ(err.str().find(hint), err.str().rfind(hint));
    }
}

class CliParents : public CliRun {
protected:
    fakes::FakeJournalStore journal;
    void SetUp() override {
        CliRun::SetUp();
        files.parentsMustExist = true;
        context.journal = &journal;
    }
    int RunParents(const char* target, bool dryRun = false, std::vector<std::string> each = {}) {
        RunOptions options{"F#", "2", target, dryRun};
        options.parents = true;
        options.run.each = std::move(each);
        return RunFromCommandLine(options, context);
    }
};

// The target and its missing parents, outermost first, then the run; undo takes them last.
TEST_F(CliParents, MakesTheTargetAndItsParentsAndUndoRemovesThemWhenEmpty) {
    EXPECT_EQ(RunParents("/t/a/b//"), kExitDone);
    EXPECT_EQ(files.created,
              (std::vector<std::string>{"/t/a", "/t/a/b", "/t/a/b///F1", "/t/a/b///F2"}));
    EXPECT_EQ(out.str(), "created 4, skipped 0, failed 0\n");
    out.str("");
    EXPECT_EQ(RunParents("/t/a/b//"), kExitDone);  // nothing left to make
    EXPECT_EQ(out.str(), "created 0, skipped 2, failed 0\n");

    ASSERT_EQ(RunParents("/t/c/d"), kExitDone);
    files.folders.insert("/t/c/kept");
    out.str("");
    EXPECT_EQ(UndoFromCommandLine(UndoOptions{}, context), kExitFailed);
    EXPECT_EQ(out.str(), "removed 3, kept 1\n");
    EXPECT_EQ(err.str(), "quirebatch-cli: kept: /t/c: not empty\n");
    EXPECT_TRUE(files.FolderExists("/t/a/b///F1"));  // an earlier run's
}

TEST_F(CliParents, ADryRunForeseesTheTargetMadeAndMakesNothing) {
    EXPECT_EQ(RunParents("/t/a/b", true, {"S/T"}), kExitDone);
    EXPECT_TRUE(files.created.empty());
    EXPECT_EQ(out.str(),
              "/t/a\n/t/a/b\n/t/a/b/F1\n/t/a/b/F1/S\n/t/a/b/F1/S/T\n/t/a/b/F2\n/t/a/b/F2/S\n"
              "/t/a/b/F2/S/T\ncreated 8, skipped 0, failed 0\n");
    EXPECT_EQ(err.str(), "");
    // As the run would meet them: the first in an existing folder, the next in a foreseen one.
    out.str("");
    files.failures = {{"/t/a", "Permission denied"}};
    EXPECT_EQ(RunParents("/t/a/b", true), kExitFailed);
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/a: Permission denied\n");
    EXPECT_EQ(out.str(), "created 0, skipped 0, failed 1\n");
}

TEST_F(CliParents, AFileInTheWayOrAParentThatFailsStopsBeforeTheRun) {
    files.files.insert("/t/f");
    EXPECT_EQ(RunParents("/t/f/x"), kExitBadInput);
    EXPECT_EQ(err.str(),
              "quirebatch-cli: /t/f/x: No such folder\n"
              "quirebatch-cli: Folder does not appear to be valid\n");
    err.str("");
    files.failures = {{"/t/a/b", "Permission denied"}};
    EXPECT_EQ(RunParents("/t/a/b/c"), kExitFailed);
    EXPECT_EQ(files.created, (std::vector<std::string>{"/t/a"}));
    EXPECT_EQ(err.str(), "quirebatch-cli: error: /t/a/b: Permission denied\n");
    EXPECT_EQ(out.str(), "created 1, skipped 0, failed 1\n");
}

// A relative target whose first name is missing is made in the current folder, and journaled
// there with full paths.
TEST_F(CliParents, ARelativeTargetIsJournaledInTheCurrentFolder) {
    files.folders.insert(".");
    files.parentsMustExist = false;
    ASSERT_EQ(RunParents("new/x"), kExitDone);
    const std::optional<Journal> read = ReadJournal(journal);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->run.target, "/cwd/.");
    ASSERT_EQ(read->folders.size(), 4u);
    EXPECT_EQ(read->folders.front().path, "/cwd/new");
    EXPECT_EQ(read->folders.back().path, "/cwd/new/x/F2");
}

}  // namespace
}  // namespace quire::cli

namespace quire::cli {
namespace {

// With --continue the dry run first tells the counter it would start from, where the summary
// goes; --quiet drops it with the summary.
TEST_F(CliRun, ADryRunThatContinuesTellsItsFirstCounter) {
    files.folders.insert({"/t/F 7", "/t/F G", "/t/F 0x"});
    const struct {
        CounterStyle style;
        bool nullSeparated;
        bool quiet;
        std::string out;
        const char* err;
    } cases[] = {
        {CounterStyle::Numbers, false, false,
         "first counter 9 (F 09)\n/t/F 09\ncreated 1, skipped 0, failed 0\n", ""},
        {CounterStyle::CapitalLetters, true, false, std::string("/t/F I\0", 7),
         "first counter 9 (F I)\ncreated 1, skipped 0, failed 0\n"},
        {CounterStyle::SmallLetters, false, true, "/t/F a\n", ""},
    };
    for (const auto& c : cases) {
        out.str("");
        err.str("");
        RunOptions options{"F ##", "1", "/t", true, c.quiet, c.nullSeparated};
        options.run = {.step = 2, .style = c.style, .continueNumbering = true};
        EXPECT_EQ(RunFromCommandLine(options, context), kExitDone);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

// The engine's refusals of options, each named by the option it is about.
TEST_F(CliRun, RefusesOptionsThatCannotBeUsedNamingTheOption) {
    files.folders.insert("/t/F2147483647");
    const struct {
        quire::RunOptions run;
        const char* err;
    } cases[] = {
        {{.start = 0, .style = CounterStyle::CapitalLetters},
         "quirebatch-cli: --start 0 --step 1: the counter of folder 1 would be 0, below 1\n"},
        {{.continueNumbering = true},
         "quirebatch-cli: --start 1 --continue --step 1: the counter of folder 1 would be "
         "2147483648, beyond 2147483647\n"},
    };
    for (const auto& c : cases) {
        err.str("");
        RunOptions options{"F#", "1", "/t"};
        options.run = c.run;
        EXPECT_EQ(RunFromCommandLine(options, context), kExitBadInput);
        EXPECT_EQ(err.str(), c.err);
    }
    EXPECT_TRUE(files.created.empty());
}

}  // namespace
}  // namespace quire::cli
