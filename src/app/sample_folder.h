// The folder that "Load Sample/Example Folder" puts into the target box: the shipped one where
// the user may make folders in it, else the user's own copy of it.
#pragma once

#include <string>

#include "engine/file_system.h"

namespace quire {

// `shipped` when the user may make folders in it or `userCopy` is empty; else `userCopy`, made
// from `shipped` the first time and kept as the user left it afterwards. Throws Failure when the
// copy cannot be made.
std::string SampleFolder(FileSystem& files, const std::string& shipped,
                         const std::string& userCopy);

}  // namespace quire
