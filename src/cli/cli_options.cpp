#include "cli/cli_options.h"

#include <vector>

namespace quire::cli {

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    RunOptions options;
    std::vector<std::string_view> operands;
    bool optionsEnded = false;
    for (const std::string_view argument : arguments) {
        if (!optionsEnded && argument.size() > 2 && argument.substr(0, 2) == "--") {
            if (argument == "--dry-run")
                options.dryRun = true;
            else if (argument == "--quiet")
                options.quiet = true;
            else if (argument == "--null")
                options.nullSeparated = true;
            else if (argument == "--help")
                return ShowHelp{};
            else if (argument == "--version")
                return ShowVersion{};
            else
                return UsageError{"unknown option " + std::string(argument)};
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "-h") {
            return ShowHelp{};
        } else if (!optionsEnded && argument == "-0") {
            options.nullSeparated = true;
        } else {
            operands.push_back(argument);
        }
    }
    if (operands.size() != 3) return UsageError{"expected PATTERN COUNT TARGET"};
    options.pattern = operands[0];
    options.count = operands[1];
    options.target = operands[2];
    return options;
}

std::string_view UsageText() {
    return "Usage: quirebatch-cli PATTERN COUNT TARGET [--dry-run] [--null] [--quiet]\n"
           "Creates the folders 1 to COUNT inside TARGET, named by PATTERN, whose one block of #\n"
           "becomes the number padded with zeros to the block's width (\"Folder ###\" gives\n"
           "Folder 001, Folder 002, ...). Folders that exist are skipped.\n"
           "\n"
           "Folders outside TARGET (a pattern with a .. in it) are refused.\n"
           "\n"
           "  --dry-run  create nothing; print every path that would be created, and why any\n"
           "             would fail\n"
           "  -0, --null print the paths as they are, each ended by a NUL, and the summary on\n"
           "             stderr: stdout holds the paths alone\n"
           "  --quiet    print no progress and no summary\n"
           "  --help     show this text\n"
           "  --version  show the version\n"
           "  --         end of options (for a PATTERN that starts with --)\n"
           "\n"
           "Exit status: 0 all done, 1 a folder or the output failed, 2 bad input,\n"
           "128+n stopped by signal n (SIGINT, SIGTERM, SIGHUP) after the folder in hand.\n";
}

}  // namespace quire::cli
