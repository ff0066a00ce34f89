#include "app/sample_folder.h"

namespace quire {

std::string SampleFolder(FileSystem& files, const std::string& shipped,
                         const std::string& userCopy) {
    if (userCopy.empty() || files.CanCreateIn(shipped)) return shipped;
    if (!files.FolderExists(userCopy)) files.CopyFolder(shipped, userCopy);
    return userCopy;
}

}  // namespace quire
