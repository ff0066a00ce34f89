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
    bool nullSeparated =
        false;  // dry-run paths raw, each ended by a NUL; stdout holds nothing else
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using Command = std::variant<RunOptions, ShowHelp, ShowVersion, UsageError>;

// PATTERN COUNT TARGET [--dry-run] [--null|-0] [--quiet]; options may stand anywhere, "--" ends
// them. Any other argument, "-4" included, is an operand; a count of -0 goes after "--".
Command ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace quire::cli
