// Each input's check, and the order they are made in.
#include "engine/run_checks.h"

#include <limits>

#include "engine/count_text.h"
#include "engine/creation_run.h"
#include "engine/name_pattern.h"

namespace quire {

std::optional<RunRefusal> CheckInput(RunRefusal::Input input, std::string_view text,
                                     const FolderLookup& files, std::string_view decimalSeparator,
                                     char separator) {
    using enum RunRefusal::Input;
    switch (input) {
        case Target:
            if (std::string problem = TargetProblem(files, text, separator); !problem.empty()) {
                return RunRefusal{Target, std::string(kInvalidFolderMessage), std::move(problem)};
            }
            return std::nullopt;
        case Pattern:
            if (NamePattern(text).HasBlock()) return std::nullopt;
            return RunRefusal{Pattern, std::string(kNoSingleBlockMessage)};
        case Count:
            if (IsNumber(text, decimalSeparator)) return std::nullopt;
            return RunRefusal{Count, std::string(text).append(kNotANumberSuffix)};
        default: return std::nullopt;
    }
}

std::optional<RunRefusal> ValidateRun(const FolderLookup& files, std::string_view target,
                                      std::string_view pattern, std::string_view count,
                                      std::string_view decimalSeparator, char separator) {
    const std::string_view texts[] = {target, pattern, count};
    for (std::size_t i = 0; i < std::size(kInputOrder); ++i) {
        if (auto refusal =
                CheckInput(kInputOrder[i], texts[i], files, decimalSeparator, separator)) {
            return refusal;
        }
    }
    return std::nullopt;
}

std::string CounterRangeProblem(std::int64_t start, std::int32_t step, std::int64_t count,
                                CounterStyle style) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    const std::int64_t lowest = LowestCounter(style);
    if (count <= 0) return {};
    const std::int64_t last = start + (count - 1) * step;
    std::int64_t index = 0;  // of the first folder out of range
    if (start < lowest || start > kLargest) {
        index = 0;
    } else if (last < lowest) {
        index = (start - lowest) / -static_cast<std::int64_t>(step) + 1;
    } else if (last > kLargest) {
        index = (kLargest - start) / step + 1;
    } else {
        return {};
    }
    const std::int64_t counter = start + index * step;
    return "the counter of folder " + std::to_string(index + 1) + " would be " +
           std::to_string(counter) +
           (counter < lowest ? ", below " + std::to_string(lowest) : ", beyond 2147483647");
}

}  // namespace quire
