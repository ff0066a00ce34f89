#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fakes/fake_file_system.h"

namespace quire::cli {
namespace {

class CliRun : public testing::Test {
protected:
    fakes::FakeFileSystem files;
    std::ostringstream out;
    std::ostringstream err;
    int polls = 0;
    int stopAfter = -1;
    CliContext context{files, out, err, [this] { return ++polls == stopAfter; }, false};

    void SetUp() override { files.folders = {"/t"}; }

    int Run(const char* pattern, const char* count, const char* target, bool dryRun = false) {
        return RunFromCommandLine(RunOptions{pattern, count, target, dryRun, false}, context);
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
              "Folder does not appear to be valid\n"
              "You must have a single block of #'s present in your naming scheme.\n"
              "x does not appear to be a number.\n"
              " does not appear to be a number.\n"
              "2,5 does not appear to be a number.\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(files.created.empty());
}

TEST_F(CliRun, ACountBeyond32BitsIsBadInput) {
    EXPECT_EQ(Run("F#", "2147483648", "/t"), kExitBadInput);
    EXPECT_EQ(err.str(), "2147483648 does not fit a 32-bit count.\n");
    EXPECT_TRUE(files.created.empty());
}

TEST_F(CliRun, AFailingFolderIsReportedAndTheRunGoesOn) {
    files.failures = {{"/t/F2", "Permission denied"}};
    EXPECT_EQ(Run("F#", "3", "/t"), kExitSomeFailed);
    EXPECT_EQ(err.str(), "error: /t/F2: Permission denied\n");
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
    EXPECT_EQ(Run("F#", "4", "/t", true), kExitSomeFailed);
    EXPECT_TRUE(files.created.empty());
    EXPECT_EQ(out.str(), "/t/F1\n/t/F4\ncreated 2, skipped 1, failed 1\n");
    EXPECT_EQ(err.str(), "error: /t/F3: File exists\n");
}

TEST_F(CliRun, DryRunSeesAMissingParent) {
    EXPECT_EQ(Run("sub/F#", "1", "/t", true), kExitSomeFailed);
    EXPECT_EQ(err.str(), "error: /t/sub/F1: No such file or directory\n");
}

TEST_F(CliRun, AnInterruptStopsAfterTheFolderInHand) {
    stopAfter = 3;
    EXPECT_EQ(Run("F#", "10", "/t"), kExitInterrupted);
    EXPECT_EQ(files.created.size(), 2u);
    EXPECT_EQ(out.str(), "created 2, skipped 0, failed 0\n");
}

TEST_F(CliRun, QuietPrintsNoSummary) {
    EXPECT_EQ(RunFromCommandLine(RunOptions{"F#", "2", "/t", false, true}, context), kExitDone);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace quire::cli
