// The file system through the Unicode Win32 calls, so that every name the user types is created
// exactly (the ANSI calls would turn characters outside the code page into "?"). Every path is
// read by our own rules (win32_paths, win32_names) before the system sees it, so that the check
// of a folder and the creation inside it agree, whatever the system would make of odd forms. A
// path too long for the plain calls reaches the system whole (win32_system_path).
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string_view>

#include "engine/creation_forecast.h"
#include "engine/entry_listing.h"
#include "engine/folder_creation.h"
#include "engine/folder_identities.h"
#include "engine/folder_lookup.h"
#include "engine/folder_removal.h"
#include "engine/small_files.h"
#include "platform/win32/win32_paths.h"

namespace quire::win32 {

class Win32FileSystem final : public FolderLookup,
                              public FolderCreation,
                              public CreationForecast,
                              public FolderIdentities,
                              public FolderRemoval,
                              public SmallFiles,
                              public EntryListing {
public:
    // GetFullPathNameW, for a path that names no root of its own.
    std::string AbsolutePath(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    // A path the rules refuse names no folder, whatever is on the disk.
    std::string FolderProblem(const std::string& path) const override;
    // Refuses, before the system sees it, a last name that the system would not keep as typed (a
    // device name, a trailing dot or blank, a character it does not allow) and a path whose form
    // the rules refuse.
    Creation CreateFolderUnlessExists(const std::string& path) override;
    // The names, an entry in the way and a missing parent folder; not the rights or the space.
    Creation PredictCreation(const std::string& path) const override;
    // The names alone.
    Creation PredictCreationInPlannedFolder(const std::string& path) const override;
    // From the folder's own flag (FileCaseSensitiveInfo); a folder or system that gives none
    // folds case, as Windows' folders do unless made case-sensitive.
    bool FoldsCase(const std::string& path) const override;
    // The system's own capitals (the invariant locale's, the table Windows and Wine compare file
    // names by).
    std::string FoldedCase(std::string_view name) const override;
    std::vector<std::string> SubfolderNames(const std::string& path) const override;
    void ListEntries(
        const std::string& path,
        const std::function<void(std::string_view name, bool folder)>& each) const override;
    bool PathExists(const std::string& path) const override;
    bool PlainFileExists(const std::string& path) const override;
    std::string ReadSmallFile(const std::string& path, std::size_t limit) const override;
    // From GetFileInformationByHandle of the entry itself (a link or junction is not followed).
    FolderIdentity IdentityOf(const std::string& path) const override;
    // The same values: the file index from the entry, the volume's serial number from its parent
    // (through any mount point the parent is), kept for the last few parents. Asking a volume for
    // its serial number is most of what an identity costs (under Wine two thirds of a journaled
    // run's time), and a run asks it of one parent for all its folders.
    FolderIdentity IdentityOfCreated(const std::string& path) const override;
    // The entry is checked through a handle of its own, held open until RemoveDirectoryW returns,
    // the nearest the removal by name comes to the entry that was checked.
    Removal RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                              std::uint64_t madeBy) override;
    Removal PredictRemoval(const std::string& path, const FolderIdentity& identity,
                           std::uint64_t madeBy, std::size_t removedFirst) const override;

private:
    // Gives `each` every entry of the folder at `path` but "." and ".."; throws Failure when the
    // folder cannot be read.
    void ForEachEntry(const std::string& path,
                      const std::function<void(const WIN32_FIND_DATAW& entry)>& each) const;

    VettedParent parents_;  // of the folders created: a run makes its folders side by side
    // The volume serial numbers of the last parents IdentityOfCreated met, the oldest replaced
    // first: a run with subfolders goes back and forth between a few. Only the journal's thread
    // asks, one run at a time. Should a volume be mounted on such a parent later, undo would find
    // the later run's folders changed and leave them: it never removes on a wrong identity.
    struct ParentVolume {
        std::string parent;
        DWORD serial = 0;
    };
    mutable std::array<ParentVolume, 4> parentVolumes_{};
    mutable std::size_t nextParentVolume_ = 0;
};

}  // namespace quire::win32
