// What a run makes, worked out once from what was asked: the target, the pattern and the count
// checked in that order, then the options. The window and the command line both start here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/counter_style.h"
#include "engine/folder_lookup.h"
#include "engine/name_list.h"
#include "engine/run_checks.h"
#include "engine/run_options.h"

namespace quire {

// What a run makes: one folder per counter from a pattern, or one per listed name, and the same
// subfolders in each.
struct RunPlan {
    std::int64_t count = 0;  // numbered folders made from the host's pattern
    std::int32_t start = 1;  // the first folder's counter
    std::int32_t step = 1;   // what each next folder's counter adds
    CounterStyle style = CounterStyle::Numbers;
    NameList* names = nullptr;  // instead of the pattern: each listed name is the pattern of one
                                // folder, counted by its position in the list
    std::vector<std::string> subfolders{};  // inside every numbered folder, parents first
                                            // (Subfolders::Paths)
    bool portable = false;                  // every name made must also be one Windows keeps
    bool targetPlanned = false;  // the dry run: the target is missing, made by the run first
};

// What a run is asked to make besides its options.
struct RunRequest {
    std::string_view target{};   // the folder checked: the target, or where its making starts
    std::string_view pattern{};  // of every folder's name; not used with a list
    std::string_view count{};    // as typed; not used with a list
    std::string_view decimalSeparator = ".";
    bool listed = false;      // one folder per line of a list instead of pattern and count; the
                              // caller gives the plan its NameList once the run is accepted
    bool targetMade = false;  // the target is missing and made first: nothing is in it yet
};

// Checks the target folder, then (without a list) the pattern and the count, then the options:
// the counters' range (after the highest counter in the target when continuing), the subfolders
// given one by one, the template's tree. Gives the plan, or the first refusal. Continuing takes a
// pattern: a list, whose lines are patterns of their own, is refused. The plan is not yet a dry
// run; its caller says so.
std::variant<RunPlan, RunRefusal> PlanRun(const FolderLookup& files, const RunOptions& options,
                                          const RunRequest& request, char separator);

// The first counter of a run with `options`: one step past `highest`, the highest counter in the
// target (HighestCounter), when continuing and there is one; else the start. Not yet checked
// against the counters' range.
std::int64_t FirstCounter(const RunOptions& options, std::optional<std::int32_t> highest);

// The first folder's name as a run with `options` would make it from `pattern`, where `highest`
// is the highest counter in the target (HighestCounter); with the start when the counter after it
// is out of range, which the run refuses.
std::string FirstFolderName(std::string_view pattern, const RunOptions& options,
                            std::optional<std::int32_t> highest = std::nullopt);

}  // namespace quire
