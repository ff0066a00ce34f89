// Port: the run's one change to the disk, a folder made where none is.
#pragma once

#include <string>

#include "engine/failure.h"

namespace quire {

enum class Creation { Created, Existed };

class FolderCreation {
public:
    virtual ~FolderCreation() = default;

    // Creates the folder unless one exists at `path` already; what the run does for every folder.
    // Creates exactly the last component of `path`. Throws Failure with the platform's description
    // when something else is there, its parent is missing, the name is refused or access is
    // denied.
    virtual Creation CreateFolderUnlessExists(const std::string& path) = 0;
};

}  // namespace quire
