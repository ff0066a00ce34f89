// The file system's ports, as a program hands them to the window or the command-line tool, which
// hand each part the one it uses. Most are one platform object's.
#pragma once

#include <type_traits>

#include "engine/creation_forecast.h"
#include "engine/entry_listing.h"
#include "engine/folder_copy.h"
#include "engine/folder_creation.h"
#include "engine/folder_identities.h"
#include "engine/folder_lookup.h"
#include "engine/folder_removal.h"
#include "engine/small_files.h"

namespace quire {

struct FilePorts {
    const FolderLookup& lookup;
    FolderCreation& creation;
    const CreationForecast& forecast;
    const FolderIdentities& identities;
    FolderRemoval& removal;
    const SmallFiles& small;
    const EntryListing* listing;  // none where the system gives no listing: each folder is asked
    FolderCopy* copies;           // none where the program never copies its sample folder
};

// The ports of `files`, which serves the first six, and the others where it serves them.
template <class Files>
FilePorts PortsOf(Files& files) {
    const EntryListing* listing = nullptr;
    if constexpr (std::is_base_of_v<EntryListing, Files>) listing = &files;
    FolderCopy* copies = nullptr;
    if constexpr (std::is_base_of_v<FolderCopy, Files>) copies = &files;
    return {files, files, files, files, files, files, listing, copies};
}

}  // namespace quire
