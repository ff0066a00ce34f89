// The folders a dry run has counted as created, so that the same folder again, or a folder inside
// one of them, is foreseen as the real run would meet it: skipped, or made in a folder that will
// be there by then.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/creation_forecast.h"
#include "engine/fingerprint_set.h"
#include "engine/folder_identities.h"
#include "engine/path_separators.h"

namespace quire {

// Holds a 64-bit key of each folder, not its path: 11 to 22 bytes a folder. A key stands for the
// folder as the system finds it, not for its spelling: the deepest folder of the path that
// exists is known by its identity (so its short name, or its name in another case, is the same
// folder), and the names below it, which the run makes, by their text as the system compares
// names in that folder (folded where it folds case). A run of separators is one, separators at
// the end are none, a "." before the last name is no step, and with '\' as the separator '/' is
// one too.
class PlannedFolders {
public:
    PlannedFolders(const FolderIdentities& identities, const CreationForecast& forecast,
                   char separator)
        : identities_(identities), forecast_(forecast), separator_(separator) {}

    // Where a path stands in the plan.
    struct Place {
        std::uint64_t key = 0;
        bool planned = false;    // the folder itself is one the run will have made
        bool inPlanned = false;  // its parent is
    };

    // The place of `path`, whose text before `relative` is the run's target folder and whose
    // names from there on are the run's own.
    Place Find(std::string_view path, std::size_t relative);
    void Add(const Place& place);
    // Forgets every folder; the room stays, at a cost of the most folders it held at once.
    void Clear();

private:
    // An existing folder the names below it are counted from, the last two asked kept.
    struct Anchor {
        std::string path;
        std::uint64_t key = 0;
        bool foldsCase = false;
    };

    bool Contains(std::uint64_t key) const;
    bool IsSeparator(char c) const { return quire::IsSeparator(c, separator_); }
    const Anchor* AnchorAt(std::string_view path, bool target);
    std::uint64_t Below(std::uint64_t parent, std::string_view name, bool foldsCase) const;

    const FolderIdentities& identities_;
    const CreationForecast& forecast_;
    char separator_;
    FingerprintSet fingerprints_;
    Anchor target_;
    Anchor inside_;
};

}  // namespace quire
