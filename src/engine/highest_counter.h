// Where a run that continues the numbering starts: the highest counter already in the target.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/folder_lookup.h"
#include "engine/name_pattern.h"

namespace quire {

// The folder a run of `pattern` makes its numbered folders in (the target, or the folder inside
// it that the pattern's path leads to), and the pattern of their names there.
struct CounterFolder {
    std::string folder;
    NamePattern name;
};
CounterFolder CounterFolderOf(std::string_view target, const NamePattern& pattern, char separator);

// The highest counter among `entries` that are names of `name` (NamePattern::CounterOf).
std::optional<std::int32_t> HighestAmong(const std::vector<std::string>& entries,
                                         const NamePattern& name);

// The names of the folders in `folder`, or nothing when it is no folder. Throws Failure, led by
// the folder's path, when it cannot be listed.
std::optional<std::vector<std::string>> ListCounterFolder(const FolderLookup& files,
                                                          const std::string& folder);

// The highest counter among the folders that are already names of `pattern` in the folder the
// run makes them in (CounterFolderOf). Read from one listing of that folder; nothing when no such
// folder stands there or the folder itself is missing. Throws Failure as ListCounterFolder does.
std::optional<std::int32_t> HighestCounter(const FolderLookup& files, std::string_view target,
                                           const NamePattern& pattern, char separator);

}  // namespace quire
