#include "cli/cli_options.h"

#include <charconv>
#include <limits>

namespace quire::cli {
namespace {

enum class Takes { Nothing, Value };

struct OptionSpec {
    std::string_view name;
    Takes takes;
};

constexpr OptionSpec kOptions[] = {
    {"--dry-run", Takes::Nothing},  {"--quiet", Takes::Nothing}, {"--null", Takes::Nothing},
    {"--portable", Takes::Nothing}, {"--help", Takes::Nothing},  {"--version", Takes::Nothing},
    {"--start", Takes::Value},      {"--step", Takes::Value},    {"--each", Takes::Value},
    {"--template", Takes::Value},   {"--names", Takes::Value},   {"--no-journal", Takes::Nothing},
};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// A whole number in the 32-bit range: an optional sign and digits, nothing else.
std::optional<std::int32_t> WholeNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc()) return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

class Parser {
public:
    // The empty text when the option was taken, or why not.
    std::string Take(std::string_view name, std::optional<std::string_view> value) {
        const std::string named(name);
        if (value && !Once(name)) return named + " is given twice";
        if (name == "--dry-run") options.dryRun = true;
        if (name == "--quiet") options.quiet = true;
        if (name == "--null") options.nullSeparated = true;
        if (name == "--portable") options.portable = true;
        if (name == "--no-journal") options.noJournal = true;
        if (name == "--each") options.each.emplace_back(*value);
        if (name == "--template") options.templateFolder = std::string(*value);
        if (name == "--names") options.namesFile = std::string(*value);
        if (name == "--start" || name == "--step") {
            const std::string shown = named + " " + std::string(*value);
            const std::optional<std::int32_t> number = WholeNumber(*value);
            if (!number) return shown + ": not a whole number from -2147483648 to 2147483647";
            if (name == "--start" && *number < 0) return shown + ": a counter is never below 0";
            if (name == "--step" && *number == 0) {
                return shown + ": every folder would have the same number";
            }
            (name == "--start" ? options.start : options.step) = *number;
        }
        return {};
    }

    RunOptions options;

private:
    bool Once(std::string_view name) {
        if (name == "--each") return true;
        for (const std::string_view seen : seen_) {
            if (seen == name) return false;
        }
        seen_.push_back(name);
        return true;
    }

    std::vector<std::string_view> seen_;
};

Command ParseUndo(std::span<const std::string_view> arguments) {
    UndoOptions options;
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") return ShowHelp{};
        if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--quiet") {
            options.quiet = true;
        } else {
            return UsageError{"undo takes --dry-run and --quiet alone, not " +
                              std::string(argument)};
        }
    }
    return options;
}

}  // namespace

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    if (!arguments.empty() && arguments.front() == "undo") return ParseUndo(arguments.subspan(1));
    Parser parser;
    std::vector<std::string_view> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() <= 2 || !argument.starts_with("--")) {
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && argument == "-h") {
                return ShowHelp{};
            } else if (!optionsEnded && argument == "-0") {
                parser.Take("--null", std::nullopt);
            } else {
                operands.push_back(argument);
            }
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionSpec* option = FindOption(name);
        if (option == nullptr) return UsageError{"unknown option " + std::string(name)};
        if (name == "--help") return ShowHelp{};
        if (name == "--version") return ShowVersion{};
        std::optional<std::string_view> value;
        if (option->takes == Takes::Value) {
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return UsageError{std::string(name) + " needs a value"};
            }
        } else if (equals != std::string_view::npos) {
            return UsageError{std::string(name) + " takes no value"};
        }
        if (std::string problem = parser.Take(name, value); !problem.empty()) {
            return UsageError{std::move(problem)};
        }
    }
    RunOptions& options = parser.options;
    if (options.namesFile) {
        if (operands.size() == 3)
            return UsageError{"--names takes TARGET alone, no PATTERN or COUNT"};
        if (operands.size() != 1) return UsageError{"expected --names FILE TARGET"};
        options.target = operands[0];
        return options;
    }
    if (operands.size() != 3) return UsageError{"expected PATTERN COUNT TARGET"};
    options.pattern = operands[0];
    options.count = operands[1];
    options.target = operands[2];
    return options;
}

std::string_view UsageText() {
    return "Usage: quirebatch-cli [OPTION]... PATTERN COUNT TARGET\n"
           "       quirebatch-cli [OPTION]... --names FILE TARGET\n"
           "       quirebatch-cli undo [--dry-run] [--quiet]\n"
           "Creates COUNT folders inside TARGET, named by PATTERN, whose one block of # becomes\n"
           "the folder's counter padded with zeros to the block's width (\"Folder ###\" gives\n"
           "Folder 001, Folder 002, ...), or one folder per line of FILE, each line a pattern\n"
           "whose counter is its place among the lines. Folders that exist are skipped; a\n"
           "folder that cannot be made is reported and the run goes on. undo removes the\n"
           "folders the last run made inside its target, last first, each only while it is\n"
           "still empty and still the folder that run made, once the run has ended.\n"
           "\n"
           "  --start N        the first counter (default 1, never below 0)\n"
           "  --step N         added for each next folder (default 1; negative counts down)\n"
           "  --each PATH      make PATH inside every folder, parents first (repeatable)\n"
           "  --template DIR   make the tree of folders under DIR inside every folder\n"
           "  --names FILE     one folder per line of FILE (- for standard input)\n"
           "  --portable       refuse names Windows cannot hold, on every system\n"
           "  --dry-run        create (undo: remove) nothing; list what would be and why not\n"
           "  -0, --null       with --dry-run: paths as they are, NUL-ended; summary on stderr\n"
           "  --no-journal     keep no journal of the run: undo will not know it\n"
           "  --quiet          print no progress and no summary\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           "  --               end of options (for a PATTERN that starts with --)\n"
           "\n"
           "Examples:\n"
           "  quirebatch-cli \"Invoice ##\" 12 ~/Jobs\n"
           "  quirebatch-cli --start 10 --step 10 --each RAW --each Edits/Final \"Shoot ###\" 5 .\n"
           "  quirebatch-cli --names clients.txt --template ~/Skeleton --dry-run ~/Clients\n"
           "\n"
           "Folders outside TARGET (a \"..\" in PATTERN, a line or a subfolder) are refused.\n"
           "Exit status: 0 all done, 1 a folder or the output failed (undo: a folder was kept,\n"
           "the journal is incomplete or the target is missing), 2 bad input (undo: nothing\n"
           "to undo, the journal cannot be read, or the run is still in progress),\n"
           "128+n stopped by signal n (SIGINT, SIGTERM, SIGHUP) after the folder in hand.\n";
}

}  // namespace quire::cli
