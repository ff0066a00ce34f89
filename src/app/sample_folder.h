// The folder that "Load Sample/Example Folder" puts into the target box: the shipped one where
// the user may make folders in it, else the user's own copy of it.
#pragma once

#include <string>

#include "engine/folder_copy.h"
#include "engine/folder_lookup.h"

namespace quire {

// `shipped` when the user may make folders in it, `userCopy` is empty or there is nothing to copy
// with; else `userCopy`, made from `shipped` the first time and kept as the user left it
// afterwards. Throws Failure when the copy cannot be made.
std::string SampleFolder(const FolderLookup& lookup, FolderCopy* copies, const std::string& shipped,
                         const std::string& userCopy);

}  // namespace quire
