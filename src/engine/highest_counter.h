// Where a run that continues the numbering starts: the highest counter already in the target.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/file_system.h"
#include "engine/name_pattern.h"

namespace quire {

// The highest counter among the folders that are already names of `pattern` (NamePattern::
// CounterOf) in the folder the run makes them in: the target, or the folder inside it that the
// pattern's path leads to. Read from one listing of that folder; nothing when no such folder
// stands there or the folder itself is missing. Throws Failure, led by the folder's path, when the
// folder cannot be listed.
std::optional<std::int32_t> HighestCounter(const FileSystem& files, std::string_view target,
                                           const NamePattern& pattern, char separator);

}  // namespace quire
