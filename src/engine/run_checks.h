// The checks of a run's inputs, in their one order: the target folder, the pattern, the count. The
// window makes each a statement of its own; the command line and the plan make them in one go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/counter_style.h"
#include "engine/folder_lookup.h"

namespace quire {

inline constexpr std::string_view kInvalidFolderMessage = "Folder does not appear to be valid";
inline constexpr std::string_view kNoSingleBlockMessage =
    "You must have a single block of #'s present in your naming scheme.";
inline constexpr std::string_view kNotANumberSuffix = " does not appear to be a number.";

// Why a run does not start: the first input found wanting, and the message that says so.
struct RunRefusal {
    enum class Input {
        Target,     // no folder; detail: the platform's reason, such as "Not a directory"
        Pattern,    // not one block of #
        Count,      // no number
        CountSize,  // a number beyond the 32-bit range
        Counters,   // a counter of the run would leave the style's range
        Each,       // a subfolder that leads out of the folder or names none; detail: the path
        Template,   // the template's tree cannot be read or is too large
        Continue,   // the highest counter cannot be found
    } input;
    std::string message;
    std::string detail{};
};

// The inputs the window and the command line give as text, in the order they are checked.
inline constexpr RunRefusal::Input kInputOrder[] = {
    RunRefusal::Input::Target, RunRefusal::Input::Pattern, RunRefusal::Input::Count};

// Why `text` cannot be the run's `input` (Target, Pattern or Count of kInputOrder), or nothing.
// An empty text is refused as each of them, with its message. A count beyond 32 bits passes: it
// is a number (PlanRun refuses it as CountSize).
std::optional<RunRefusal> CheckInput(RunRefusal::Input input, std::string_view text,
                                     const FolderLookup& files, std::string_view decimalSeparator,
                                     char separator);

// Checks target folder, pattern and count in that order; gives the first refusal, or nothing when
// the run may start.
std::optional<RunRefusal> ValidateRun(const FolderLookup& files, std::string_view target,
                                      std::string_view pattern, std::string_view count,
                                      std::string_view decimalSeparator, char separator);

// Why the counters of `count` folders from `start` by `step` do not all lie between the style's
// lowest counter and the largest 32-bit value, naming the first folder whose counter does not; or
// the empty text.
std::string CounterRangeProblem(std::int64_t start, std::int32_t step, std::int64_t count,
                                CounterStyle style = CounterStyle::Numbers);

}  // namespace quire
