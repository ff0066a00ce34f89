// The options of a run beyond pattern, count and target, as the window and the command line set
// them: where the counters start, how they step and are spelt, and what is made in every folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/counter_style.h"

namespace quire {

struct RunOptions {
    std::int32_t start = 1;
    std::int32_t step = 1;
    CounterStyle style = CounterStyle::Numbers;
    bool continueNumbering = false;   // one step past the highest counter already in the target
    std::vector<std::string> each{};  // subfolders of every folder, one relative path each
    std::optional<std::string> templateFolder{};  // a tree of folders made in every folder
    bool portable = false;                        // every name must also be one Windows keeps
    bool operator==(const RunOptions&) const = default;
};

}  // namespace quire
