// The folders a run told to make its target (--parents) makes first: the target and each folder
// above it that is missing, as mkdir -p makes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/folder_lookup.h"

namespace quire {

struct MissingTarget {
    // The deepest folder of the target's path that exists, spelt as in the target; the empty
    // text for the current folder, when the first name of a relative target is missing.
    std::string existing;
    // The folders to make, each a beginning of the target as typed, the outermost first; none
    // when the target is a folder.
    std::vector<std::string> missing;
};

// Walks up from `target` to the deepest folder that exists. Roots are never made: a missing
// root ("/", "C:\") is the existing folder, and making the folder below it fails in its turn.
// Throws Failure with the system's reason when something that is no folder stands in the way
// (a file as the target or one of its parents).
MissingTarget FindMissingTarget(const FolderLookup& files, std::string_view target, char separator);

}  // namespace quire
