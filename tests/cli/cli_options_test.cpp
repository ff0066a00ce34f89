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
