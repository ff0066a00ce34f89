// One plan for the window and the command line: the checks in their order, then the options.
#include "engine/run_plan.h"

#include <algorithm>
#include <optional>

#include "engine/count_text.h"
#include "engine/highest_counter.h"
#include "engine/name_pattern.h"
#include "engine/subfolders.h"

namespace quire {
namespace {

// The first counter: the start, or one step past the highest in the target when continuing.
std::variant<std::int64_t, RunRefusal> PlannedFirstCounter(const FolderLookup& files,
                                                           const RunOptions& options,
                                                           const RunRequest& request,
                                                           char separator) {
    using enum RunRefusal::Input;
    if (!options.continueNumbering) return std::int64_t{options.start};
    if (request.listed) {
        return RunRefusal{
            Continue, "a list has no one pattern to continue: its lines are patterns of their own"};
    }
    if (request.targetMade) return std::int64_t{options.start};
    try {
        return FirstCounter(options,
                            HighestCounter(files, request.target,
                                           NamePattern(request.pattern, options.style), separator));
    } catch (const Failure& failure) {
        return RunRefusal{Continue, failure.what()};
    }
}

std::optional<RunRefusal> AddSubfolders(const FolderLookup& files, const RunOptions& options,
                                        char separator, RunPlan& plan) {
    using enum RunRefusal::Input;
    Subfolders subfolders(separator);
    for (const std::string& path : options.each) {
        if (std::string problem = subfolders.Add(path); !problem.empty()) {
            return RunRefusal{Each, std::move(problem), path};
        }
    }
    if (options.templateFolder) {
        try {
            subfolders.AddTree(files, *options.templateFolder);
        } catch (const Failure& failure) {
            return RunRefusal{Template, failure.what()};
        }
    }
    plan.subfolders = subfolders.Paths();
    return std::nullopt;
}

}  // namespace

std::variant<RunPlan, RunRefusal> PlanRun(const FolderLookup& files, const RunOptions& options,
                                          const RunRequest& request, char separator) {
    using enum RunRefusal::Input;
    RunPlan plan;
    plan.step = options.step;
    plan.style = options.style;
    plan.portable = options.portable;
    if (request.listed) {
        if (auto refusal =
                CheckInput(Target, request.target, files, request.decimalSeparator, separator)) {
            return *std::move(refusal);
        }
    } else {
        if (auto refusal = ValidateRun(files, request.target, request.pattern, request.count,
                                       request.decimalSeparator, separator)) {
            return *std::move(refusal);
        }
        const std::optional<std::int32_t> count =
            ConvertCount(request.count, request.decimalSeparator);
        if (!count) {
            return RunRefusal{CountSize,
                              std::string(request.count) + " does not fit a 32-bit count."};
        }
        plan.count = *count;
    }
    const auto first = PlannedFirstCounter(files, options, request, separator);
    if (const auto* refusal = std::get_if<RunRefusal>(&first)) return *refusal;
    const std::int64_t start = std::get<std::int64_t>(first);
    // The first counter is checked even where no folder is made; a list's length is not known, so
    // its other lines' counters are checked as they come.
    if (std::string problem = CounterRangeProblem(
            start, options.step, std::max<std::int64_t>(plan.count, 1), options.style);
        !problem.empty()) {
        return RunRefusal{Counters, std::move(problem)};
    }
    plan.start = static_cast<std::int32_t>(start);
    if (auto refusal = AddSubfolders(files, options, separator, plan)) return *std::move(refusal);
    return plan;
}

std::int64_t FirstCounter(const RunOptions& options, std::optional<std::int32_t> highest) {
    if (!options.continueNumbering || !highest) return options.start;
    return std::int64_t{*highest} + options.step;
}

std::string FirstFolderName(std::string_view pattern, const RunOptions& options,
                            std::optional<std::int32_t> highest) {
    std::int64_t first = FirstCounter(options, highest);
    if (!CounterRangeProblem(first, options.step, 1, options.style).empty()) first = options.start;
    return NamePattern(pattern, options.style).Name(static_cast<std::int32_t>(first));
}

}  // namespace quire
