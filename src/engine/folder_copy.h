// Port: the sample folder's chores, where the user cannot make folders in the shipped one
// (app/sample_folder.h).
#pragma once

#include <string>

#include "engine/failure.h"

namespace quire {

class FolderCopy {
public:
    virtual ~FolderCopy() = default;

    // True when the calling user may make entries in the folder at `path`: it is a folder they
    // may write and search, on a file system mounted for writing. Never throws.
    virtual bool CanCreateIn(const std::string& path) const = 0;

    // Makes the folder `copy`, its missing parents first, as a copy of the folder `original`: its
    // folders and ordinary files, links and other entries left out; nothing of `original` is
    // changed. The copy appears whole under its name or not at all; one that another program
    // made meanwhile is kept as it is. An `original` that is missing gives an empty folder.
    // Throws Failure with the system's words when the copy cannot be made (something that is
    // no folder stands at `copy`, a parent cannot be made, the disk is full).
    virtual void CopyFolder(const std::string& original, const std::string& copy) = 0;
};

}  // namespace quire
