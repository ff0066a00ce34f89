// The command line of quirebatch-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/run_options.h"

namespace quire::cli {

// A run as the command line asks for it: the operands, the options the window offers too, and
// the tool's own.
struct RunOptions {
    std::string pattern;
    std::string count;
    std::string target;
    bool dryRun = false;
    bool quiet = false;
    bool nullSeparated =
        false;                // dry-run paths raw, each ended by a NUL; stdout holds nothing else
    quire::RunOptions run{};  // as the window's options give them
    std::optional<std::string> namesFile{};  // one folder per line instead of PATTERN COUNT
    bool noJournal = false;                  // undo will not know this run
    bool parents = false;  // a missing target is made first, with its parents, as mkdir -p does
};

// `undo`: removes what the last run made, as far as it is still empty and unchanged.
struct UndoOptions {
    bool dryRun = false;
    bool quiet = false;
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using Command = std::variant<RunOptions, UndoOptions, ShowHelp, ShowVersion, UsageError>;

// PATTERN COUNT TARGET, or --names FILE TARGET, with options anywhere; or the one operand `undo`,
// with --dry-run and --quiet only (a pattern "undo" has no # and could make no run); "--" ends
// them. An option with a value takes the next argument whatever it is (--step -2), or the text
// after "=". Short options without a value may be bundled (-qn). A word after one dash is an
// operand only when it is a number ("-4"; a count of -0 goes after "--"). Refused: an unknown
// option (any other word after one dash too), a value given to an option that takes none
// (--help=x), an option without its value, an option with a value given twice (--each may be
// repeated), a --start or --step that is no whole number in the 32-bit range, a --start below 0,
// a --step of 0, --letters with --small-letters, and operands that do not fit the form.
Command ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace quire::cli
