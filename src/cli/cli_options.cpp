#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

#include "engine/count_text.h"

namespace quire::cli {
namespace {

enum class Takes { Nothing, Value };

struct OptionSpec {
    std::string_view name;
    Takes takes;
    char letter = 0;  // the short spelling, if any
};

constexpr OptionSpec kOptions[] = {
    {"--dry-run", Takes::Nothing, 'n'},
    {"--quiet", Takes::Nothing, 'q'},
    {"--null", Takes::Nothing, '0'},
    {"--portable", Takes::Nothing},
    {"--help", Takes::Nothing, 'h'},
    {"--version", Takes::Nothing, 'V'},
    {"--parents", Takes::Nothing, 'p'},
    {"--start", Takes::Value},
    {"--step", Takes::Value},
    {"--each", Takes::Value},
    {"--template", Takes::Value},
    {"--names", Takes::Value},
    {"--no-journal", Takes::Nothing},
    {"--letters", Takes::Nothing},
    {"--small-letters", Takes::Nothing},
    {"--continue", Takes::Nothing},
};

// What `undo` takes besides itself.
constexpr std::string_view kUndoOptions[] = {"--dry-run", "--quiet"};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

const OptionSpec* FindLetter(char letter) {
    for (const OptionSpec& option : kOptions) {
        if (option.letter == letter) return &option;
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
        given.push_back(name);
        if (value && !Once(name)) return named + " is given twice";
        if (name == "--dry-run") options.dryRun = true;
        if (name == "--quiet") options.quiet = true;
        if (name == "--null") options.nullSeparated = true;
        if (name == "--portable") options.run.portable = true;
        if (name == "--no-journal") options.noJournal = true;
        if (name == "--parents") options.parents = true;
        if (name == "--continue") options.run.continueNumbering = true;
        if (name == "--letters" || name == "--small-letters") {
            const CounterStyle style =
                name == "--letters" ? CounterStyle::CapitalLetters : CounterStyle::SmallLetters;
            if (options.run.style != CounterStyle::Numbers && options.run.style != style) {
                return "--letters and --small-letters are two counter styles: give one";
            }
            options.run.style = style;
        }
        if (name == "--each") options.run.each.emplace_back(*value);
        if (name == "--template") options.run.templateFolder = std::string(*value);
        if (name == "--names") options.namesFile = std::string(*value);
        if (name == "--start" || name == "--step") {
            const std::string shown = named + " " + std::string(*value);
            const std::optional<std::int32_t> number = WholeNumber(*value);
            if (!number) return shown + ": not a whole number from -2147483648 to 2147483647";
            if (name == "--start" && *number < 0) return shown + ": a counter is never below 0";
            if (name == "--step" && *number == 0) {
                return shown + ": every folder would have the same number";
            }
            (name == "--start" ? options.run.start : options.run.step) = *number;
        }
        return {};
    }

    RunOptions options;
    std::vector<std::string_view> given;  // every option taken, in order

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

Command Undo(const Parser& parser, std::span<const std::string_view> operands) {
    for (const std::string_view option : parser.given) {
        if (std::find(std::begin(kUndoOptions), std::end(kUndoOptions), option) ==
            std::end(kUndoOptions)) {
            return UsageError{"undo takes --dry-run and --quiet alone, not " + std::string(option)};
        }
    }
    if (operands.size() > 1) {
        return UsageError{"undo takes --dry-run and --quiet alone, not " +
                          std::string(operands[1])};
    }
    return UndoOptions{parser.options.dryRun, parser.options.quiet};
}

// What a word after one dash is: "-" alone and a number are operands, anything else short
// options, each letter one.
struct ShortWord {
    bool operand = false;
    std::string unknown{};  // the first letter that is no option, spelt as one ("-x")
    std::vector<const OptionSpec*> options{};
};

ShortWord ReadShortWord(std::string_view word) {
    if (word == "-" || (word != "-0" && IsNumber(word, "."))) return {true, {}, {}};
    ShortWord read;
    for (const char letter : word.substr(1)) {
        const OptionSpec* option = FindLetter(letter);
        if (option == nullptr || option->takes == Takes::Value) {
            read.unknown = std::string("-") + letter;
            break;
        }
        read.options.push_back(option);
    }
    return read;
}

}  // namespace

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    Parser parser;
    std::vector<std::string_view> operands;
    bool optionsEnded = false;
    const auto take = [&](const OptionSpec& option,
                          std::optional<std::string_view> value) -> std::optional<Command> {
        if (option.name == "--help") return ShowHelp{};
        if (option.name == "--version") return ShowVersion{};
        if (std::string problem = parser.Take(option.name, value); !problem.empty()) {
            return UsageError{std::move(problem)};
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with('-')) {
            operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!argument.starts_with("--")) {
            const ShortWord word = ReadShortWord(argument);
            if (word.operand) {
                operands.push_back(argument);
                continue;
            }
            if (!word.unknown.empty()) return UsageError{"unknown option " + word.unknown};
            for (const OptionSpec* option : word.options) {
                if (auto command = take(*option, std::nullopt)) return *command;
            }
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionSpec* option = FindOption(name);
        if (option == nullptr) return UsageError{"unknown option " + std::string(name)};
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
        if (auto command = take(*option, value)) return *command;
    }
    if (!operands.empty() && operands.front() == "undo") return Undo(parser, operands);
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
           "  --start N        the first counter (default 1, never below 0; with letters 1)\n"
           "  --step N         added for each next folder (default 1; negative counts down)\n"
           "  --each PATH      make PATH inside every folder, parents first (repeatable)\n"
           "  --template DIR   make the tree of folders under DIR inside every folder\n"
           "  --names FILE     one folder per line of FILE (- for standard input)\n"
           "  --letters        count with capital letters as spreadsheet columns do: A to Z,\n"
           "                   then AA, AB, ... (the block's width pads numbers only)\n"
           "  --small-letters  count with small letters: a to z, then aa, ab, ...\n"
           "  --continue       start one step past the highest counter that a folder of\n"
           "                   PATTERN in TARGET already has (of the same counter style)\n"
           "  -p, --parents    make a missing TARGET and its parents first (undo removes them)\n"
           "  --portable       refuse names Windows cannot hold, on every system\n"
           "  -n, --dry-run    create (undo: remove) nothing; list what would be and why not\n"
           "  -0, --null       with --dry-run: paths as they are, NUL-ended; summary on stderr\n"
           "  --no-journal     keep no journal of the run: undo will not know it\n"
           "  -q, --quiet      print no progress and no summary\n"
           "  -h, --help       show this text\n"
           "  -V, --version    show the version\n"
           "  --               end of options (for a PATTERN that starts with -)\n"
           "\n"
           "Examples:\n"
           "  quirebatch-cli -p \"Invoice ##\" 12 ~/Jobs\n"
           "  quirebatch-cli --start 10 --step 10 --each RAW --each Edits/Final \"Shoot ###\" 5 .\n"
           "  printf 'Acme\\nZenith\\n' | quirebatch-cli -p --names - --template ~/Jobs ~/Clients\n"
           "  quirebatch-cli undo --dry-run\n"
           "\n"
           "Folders outside TARGET (a \"..\" in PATTERN, a line or a subfolder) are refused.\n"
           "Exit status: 0 all done, 1 a folder or the output failed (undo: a folder was kept,\n"
           "the journal is incomplete or the target is missing), 2 bad input (undo: nothing\n"
           "to undo, the journal cannot be read, or the run is still in progress),\n"
           "128+n stopped by signal n (SIGINT, SIGTERM, SIGHUP) after the folder in hand.\n";
}

}  // namespace quire::cli
