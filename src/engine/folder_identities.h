// Port: how the system knows a folder whatever its spelling, for the journal, undo and a dry run's
// folders foreseen.
#pragma once

#include <cstdint>
#include <string>

#include "engine/failure.h"

namespace quire {

// What the system knows a folder by, whatever its name: device and inode on POSIX, volume serial
// number and file id on Windows. A folder removed and made again under the same name has another:
// where a file system gives a freed inode number to the next new entry at once (ext4 does), the
// time of birth still tells the two apart, unless both were made within one tick of the file
// system's clock (a few milliseconds).
struct FolderIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    std::uint64_t born = 0;  // nanoseconds since 1970; 0 where the system keeps no such time
    bool operator==(const FolderIdentity&) const = default;
};

class FolderIdentities {
public:
    virtual ~FolderIdentities() = default;

    // The identity of the folder at exactly `path`; a link is not followed. Throws Failure when
    // nothing is there, when something other than a folder is, or when it cannot be examined.
    virtual FolderIdentity IdentityOf(const std::string& path) const = 0;

    // IdentityOf a folder this program has just created at `path`, for the journal. A new folder is
    // never a mount point, so a platform may take its volume from its parent's, asked once for
    // the many folders a run makes side by side.
    virtual FolderIdentity IdentityOfCreated(const std::string& path) const = 0;

    // `path` as a full path: one relative to the current folder has that folder's path before it.
    // Throws Failure when the current folder has no path (it was removed).
    virtual std::string AbsolutePath(const std::string& path) const = 0;
};

}  // namespace quire
