// Port: a folder's entries in one listing, where the system gives them: what lets a dry run of a
// million folders look at each folder once (engine/listed_folders.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/failure.h"

namespace quire {

class EntryListing {
public:
    virtual ~EntryListing() = default;

    // Gives `each` the name of every entry directly inside the folder at `path`, and whether a
    // creation of that name would find a folder there (a link to a folder is one, as
    // CreateFolderUnlessExists finds it). One listing stands for many predictions: a platform that
    // lists answers PredictCreation alike for every missing name of that folder that is no longer
    // than one it accepted and holds no NUL (nor, where paths are Windows', a form the Windows
    // names rule refuses), its other refusals being the folder's own (access, a read-only volume),
    // and PredictCreationInPlannedFolder alike for such names anywhere below. Throws Failure when
    // the folder cannot be read.
    virtual void ListEntries(
        const std::string& path,
        const std::function<void(std::string_view name, bool folder)>& each) const = 0;
};

}  // namespace quire
