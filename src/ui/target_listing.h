// The listing of the target that the preview continues the numbering from, kept between keys:
// typing in the pattern box looks the names up again, not the disk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/folder_lookup.h"
#include "engine/name_pattern.h"

namespace quire {

class TargetListing {
public:
    // The highest counter of `pattern` in the folder a run into `target` makes its folders in, as
    // HighestCounter finds it; that folder is listed only when it is not the one listed last, or
    // after Forget. A folder that cannot be listed counts as one without counters: the run
    // reports it.
    std::optional<std::int32_t> Highest(const FolderLookup& files, std::string_view target,
                                        const NamePattern& pattern, char separator);

    // The folder may have changed (a run, an undo): the next question lists it again.
    void Forget() { folder_.reset(); }

private:
    std::optional<std::string> folder_;  // listed last
    std::vector<std::string> names_;     // of its folders
};

}  // namespace quire
