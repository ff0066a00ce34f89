#include "engine/run_checks.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;

TEST(ValidateRun, ChecksTargetThenPatternThenCount) {
    FakeFileSystem files;
    files.folders = {"C:\\Jobs"};
    files.files = {"C:\\file.txt"};

    for (const char* target : {"C:\\missing", "C:\\file.txt", ""}) {
        const auto refusal = ValidateRun(files, target, "A#B#", "abc", ".", '\\');
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->input, RunRefusal::Input::Target);
        EXPECT_EQ(refusal->message, "Folder does not appear to be valid");
    }
    const auto pattern = ValidateRun(files, "C:\\Jobs", "A#B#", "abc", ".", '\\');
    ASSERT_TRUE(pattern);
    EXPECT_EQ(pattern->message,
              "You must have a single block of #'s present in your naming scheme.");
    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "Folder", "3", ".", '\\')->input,
              RunRefusal::Input::Pattern);

    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "F#", "abc", ".", '\\')->message,
              "abc does not appear to be a number.");
    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "F#", "", ".", '\\')->message,
              " does not appear to be a number.");
    EXPECT_FALSE(ValidateRun(files, "C:\\Jobs", "F#", "2147483648", ".", '\\'));
    EXPECT_FALSE(ValidateRun(files, "C:\\Jobs", "F#", "-4", ".", '\\'));
}

// The window refuses an input it could not read as an empty one, with that input's message.
TEST(CheckInput, RefusesAnEmptyTextAsEachInput) {
    const FakeFileSystem files;
    for (const RunRefusal::Input input : kInputOrder) {
        const auto refusal = CheckInput(input, "", files, ".", '/');
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->input, input);
    }
}

TEST(CounterRangeProblem, NamesTheFirstFolderOutOfRange) {
    const struct {
        std::int32_t start, step;
        std::int64_t count;
        std::string problem;
    } cases[] = {
        {1, 1, 2147483647, ""},
        {1, 1, 0, ""},
        {2147483647, 1, 1, ""},
        {2147483647, 1, 2, "the counter of folder 2 would be 2147483648, beyond 2147483647"},
        {10, 3, 1000000000,
         "the counter of folder 715827881 would be 2147483650, beyond 2147483647"},
        {4, -2, 3, ""},
        {4, -2, 4, "the counter of folder 4 would be -2, below 0"},
        {0, -2147483647 - 1, 2, "the counter of folder 2 would be -2147483648, below 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CounterRangeProblem(c.start, c.step, c.count), c.problem)
            << c.start << " " << c.step;
    }
    EXPECT_EQ(CounterRangeProblem(2, -1, 3, CounterStyle::SmallLetters),
              "the counter of folder 3 would be 0, below 1");
    EXPECT_EQ(CounterRangeProblem(2, -1, 2, CounterStyle::SmallLetters), "");
}

}  // namespace
}  // namespace quire
