// The window's options: a run's options as the command-line tool takes them and the dialog's list
// of names, kept in the settings store under keys of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings_store.h"
#include "engine/run_options.h"

namespace quire {

struct WindowOptions {
    RunOptions run;
    bool listed = false;  // the names come from `names`, not from the pattern and the count
    std::string names;    // one name a line; kept while not listed
    bool operator==(const WindowOptions&) const = default;

    // True when the run is not the plain one of the pattern and the count.
    bool InEffect() const { return listed || run != RunOptions{}; }
};

// A whole number in decimal, blanks around it allowed; nothing for any other text or one beyond
// 64 bits.
std::optional<std::int64_t> WholeNumber(std::string_view text);

// Gives `each` every line of `text` without its LF or CR LF, and its number from 1, until it
// answers false.
void ForEachLine(std::string_view text,
                 const std::function<bool(std::string_view, std::int64_t)>& each);

// The lines of `text` that are not empty.
std::vector<std::string> NonEmptyLines(std::string_view text);

// The options as the store holds them.
struct StoredOptions {
    WindowOptions options;
    // The keys that hold what no option can hold, each left at its default, as one text for the
    // report; empty when every key could be read.
    std::string problem;
    std::vector<std::string_view> stale;  // those keys, rewritten by the next write
};

// Reads every option. A store that cannot be read at all gives the defaults and no problem: the
// window's other reads report it.
StoredOptions ReadWindowOptions(SettingsStore& settings);

// Writes the keys whose values differ between `before` (what the store holds) and `after`, and
// the `stale` ones: a window whose options never changed writes none. Throws Failure as the store
// does.
void WriteWindowOptions(SettingsStore& settings, const WindowOptions& before,
                        const WindowOptions& after, const std::vector<std::string_view>& stale);

// The first folder's name as a run with `options` makes it from `pattern`, continuing after
// `highest`, the highest counter in the target (HighestCounter); or from the list's first name.
std::string FirstFolder(std::string_view pattern, const WindowOptions& options,
                        std::optional<std::int32_t> highest = std::nullopt);

// The preview's tip: where the options are and, when some are in effect, each on a line.
std::string OptionsTip(const WindowOptions& options);

}  // namespace quire
