// The command line of quirebatch-cli.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quire::cli {

struct RunOptions {
    std::string pattern;
    std::string count;
    std::string target;
    bool dryRun = false;
    bool quiet = false;
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using Command = std::variant<RunOptions, ShowHelp, ShowVersion, UsageError>;

// PATTERN COUNT TARGET [--dry-run] [--quiet]; options may stand anywhere, "--" ends them. Any other
// argument, "-4" included, is an operand.
Command ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace quire::cli
