#include "app/sample_folder.h"

namespace quire {

std::string SampleFolder(const FolderLookup& lookup, FolderCopy* copies, const std::string& shipped,
                         const std::string& userCopy) {
    if (copies == nullptr || userCopy.empty() || copies->CanCreateIn(shipped)) return shipped;
    if (!lookup.FolderExists(userCopy)) copies->CopyFolder(shipped, userCopy);
    return userCopy;
}

}  // namespace quire
