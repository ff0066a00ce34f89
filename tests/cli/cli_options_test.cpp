#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace quire::cli {
namespace {

Command Parse(std::vector<std::string_view> arguments) { return ParseCommandLine(arguments); }

TEST(ParseCommandLine, TakesThreeOperandsAndOptionsAnywhere) {
    const Command command = Parse({"--quiet", "Folder ###", "-4", "--dry-run", "-0", "/tmp/x"});
    const auto* options = std::get_if<RunOptions>(&command);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->pattern, "Folder ###");
    EXPECT_EQ(options->count, "-4");  // a negative count is an operand, not an option
    EXPECT_EQ(options->target, "/tmp/x");
    EXPECT_TRUE(options->dryRun);
    EXPECT_TRUE(options->quiet);
    EXPECT_TRUE(options->nullSeparated);
    EXPECT_TRUE(std::get<RunOptions>(Parse({"F#", "--null", "3", "/t"})).nullSeparated);
}

TEST(ParseCommandLine, DoubleDashEndsTheOptions) {
    const Command command = Parse({"--", "--dry-run", "-0", "/t"});
    const auto* options = std::get_if<RunOptions>(&command);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->pattern, "--dry-run");
    EXPECT_EQ(options->count, "-0");
    EXPECT_FALSE(options->dryRun);
    EXPECT_FALSE(options->nullSeparated);
}

TEST(ParseCommandLine, HelpVersionAndMistakes) {
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"a", "--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"-h"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(Parse({"--version"})));
    EXPECT_TRUE(std::holds_alternative<UsageError>(Parse({})));
    EXPECT_TRUE(std::holds_alternative<UsageError>(Parse({"a", "1"})));
    EXPECT_TRUE(std::holds_alternative<UsageError>(Parse({"a", "1", "/t", "extra"})));
    const Command unknown = Parse({"a", "1", "/t", "--force"});
    ASSERT_TRUE(std::holds_alternative<UsageError>(unknown));
    EXPECT_EQ(std::get<UsageError>(unknown).message, "unknown option --force");
    // Empty operands are operands: the run itself refuses them with its own messages.
    EXPECT_TRUE(std::holds_alternative<RunOptions>(Parse({"", "", ""})));
}

}  // namespace
}  // namespace quire::cli

namespace quire::cli {
namespace {

TEST(ParseCommandLine, TakesTheNewOptionsWithTheirValues) {
    const Command command =
        Parse({"--start", "0", "--step=-2", "--each", "-x", "--each", "Edits/Final", "--template",
               "T", "--portable", "F#", "3", "/t"});
    const auto* options = std::get_if<RunOptions>(&command);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->run.start, 0);
    EXPECT_EQ(options->run.step, -2);
    EXPECT_EQ(options->run.each, (std::vector<std::string>{"-x", "Edits/Final"}));
    EXPECT_EQ(options->run.templateFolder, "T");
    EXPECT_TRUE(options->run.portable);
    const Command listed = Parse({"--names", "-", "/t"});
    ASSERT_TRUE(std::holds_alternative<RunOptions>(listed));
    EXPECT_EQ(std::get<RunOptions>(listed).namesFile, "-");
    EXPECT_EQ(std::get<RunOptions>(listed).target, "/t");
}

TEST(ParseCommandLine, RefusesEachMistakeWithOneLine) {
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{"F#", "3", "/t", "--start"}, "--start needs a value"},
        {{"--each"}, "--each needs a value"},
        {{"--start", "abc", "F#", "3", "/t"},
         "--start abc: not a whole number from -2147483648 to 2147483647"},
        {{"--step", "1.5", "F#", "3", "/t"},
         "--step 1.5: not a whole number from -2147483648 to 2147483647"},
        {{"--step", "+-1", "F#", "3", "/t"},
         "--step +-1: not a whole number from -2147483648 to 2147483647"},
        {{"--start", "2147483648", "F#", "3", "/t"},
         "--start 2147483648: not a whole number from -2147483648 to 2147483647"},
        {{"--start", "-1", "F#", "3", "/t"}, "--start -1: a counter is never below 0"},
        {{"--step", "0", "F#", "3", "/t"}, "--step 0: every folder would have the same number"},
        {{"--step", "2", "--step", "2", "F#", "3", "/t"}, "--step is given twice"},
        {{"--names", "a", "--names", "b", "/t"}, "--names is given twice"},
        {{"--template", "a", "--template=b", "F#", "3", "/t"}, "--template is given twice"},
        {{"--names", "list", "F#", "3", "/t"}, "--names takes TARGET alone, no PATTERN or COUNT"},
        {{"--names", "list"}, "expected --names FILE TARGET"},
        {{"--dry-run=yes", "F#", "3", "/t"}, "--dry-run takes no value"},
        {{"--letters", "--small-letters", "F#", "3", "/t"},
         "--letters and --small-letters are two counter styles: give one"},
        {{"undo", "--continue"}, "undo takes --dry-run and --quiet alone, not --continue"},
    };
    for (const auto& c : cases) {
        const Command command = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(command)) << c.message;
        EXPECT_EQ(std::get<UsageError>(command).message, c.message);
    }
    EXPECT_EQ(std::get<RunOptions>(Parse({"--start=+7", "F#", "3", "/t"})).run.start, 7);
    const quire::RunOptions letters =
        std::get<RunOptions>(
            Parse({"--small-letters", "--continue", "--small-letters", "F#", "3", "/t"}))
            .run;
    EXPECT_EQ(letters,
              (quire::RunOptions{.style = CounterStyle::SmallLetters, .continueNumbering = true}));
}

}  // namespace
}  // namespace quire::cli

namespace quire::cli {
namespace {

// A word after one dash is short options unless it is a number; `undo` is the command wherever
// the options stand.
TEST(ParseCommandLine, ShortOptionsNumbersAndUndoAmongOptions) {
    const auto run = [](std::vector<std::string_view> arguments) {
        return std::get<RunOptions>(Parse(std::move(arguments)));
    };
    const RunOptions bundled = run({"-qnp0", "F#", "3", "/t"});
    EXPECT_TRUE(bundled.quiet && bundled.dryRun && bundled.parents && bundled.nullSeparated);
    for (const std::string_view count : {"-4", "-2.5", "-1e3", "-"}) {
        EXPECT_EQ(run({"F#", count, "/t"}).count, count);
    }
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(Parse({"-V"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"-qh"})));

    const UndoOptions undo = std::get<UndoOptions>(Parse({"--quiet", "-n", "undo"}));
    EXPECT_TRUE(undo.quiet && undo.dryRun);
    EXPECT_FALSE(std::get<UndoOptions>(Parse({"undo"})).dryRun);
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"undo", "-h"})));
}

TEST(ParseCommandLine, RefusesUnknownShortWordsValuesOfFlagsAndUndoWithRunOptions) {
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{"-Folder #", "3", "/t"}, "unknown option -F"},
        {{"-qx", "F#", "3", "/t"}, "unknown option -x"},
        {{"-e", "F#", "3", "/t"}, "unknown option -e"},
        {{"--help=x"}, "--help takes no value"},
        {{"--version=2"}, "--version takes no value"},
        {{"--parents=yes", "F#", "3", "/t"}, "--parents takes no value"},
        {{"-p", "undo"}, "undo takes --dry-run and --quiet alone, not --parents"},
        {{"undo", "--step", "2"}, "undo takes --dry-run and --quiet alone, not --step"},
        {{"undo", "now"}, "undo takes --dry-run and --quiet alone, not now"},
    };
    for (const auto& c : cases) {
        const Command command = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(command)) << c.message;
        EXPECT_EQ(std::get<UsageError>(command).message, c.message);
    }
    EXPECT_EQ(std::get<RunOptions>(Parse({"--", "-Folder #", "3", "/t"})).pattern, "-Folder #");
}

}  // namespace
}  // namespace quire::cli
