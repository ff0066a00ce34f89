#include "ui/target_listing.h"

#include <utility>

#include "engine/failure.h"
#include "engine/highest_counter.h"

namespace quire {

std::optional<std::int32_t> TargetListing::Highest(const FolderLookup& files,
                                                   std::string_view target,
                                                   const NamePattern& pattern, char separator) {
    CounterFolder place = CounterFolderOf(target, pattern, separator);
    if (place.folder != folder_) {
        names_.clear();
        try {
            names_ = ListCounterFolder(files, place.folder).value_or(std::vector<std::string>{});
        } catch (const Failure&) {
            // Not previewed: the run's own listing refuses it with the reason.
        }
        folder_ = std::move(place.folder);
    }
    return HighestAmong(names_, place.name);
}

}  // namespace quire
