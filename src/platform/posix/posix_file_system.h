// The file system through POSIX calls, for the Linux programs. Paths longer than the system takes
// whole are reached through an open handle of their parent folder.
#pragma once

#include "engine/creation_forecast.h"
#include "engine/entry_listing.h"
#include "engine/folder_copy.h"
#include "engine/folder_creation.h"
#include "engine/folder_identities.h"
#include "engine/folder_lookup.h"
#include "engine/folder_removal.h"
#include "engine/small_files.h"

namespace quire {

class PosixFileSystem final : public FolderLookup,
                              public FolderCreation,
                              public CreationForecast,
                              public EntryListing,
                              public FolderIdentities,
                              public FolderRemoval,
                              public SmallFiles,
                              public FolderCopy {
public:
    // From the current folder, by getcwd(3).
    std::string AbsolutePath(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::string FolderProblem(const std::string& path) const override;
    Creation CreateFolderUnlessExists(const std::string& path) override;
    // As the calling user: write and search permission are those of the effective ids.
    Creation PredictCreation(const std::string& path) const override;
    // The longest name the nearest existing folder's file system takes.
    Creation PredictCreationInPlannedFolder(const std::string& path) const override;
    std::vector<std::string> SubfolderNames(const std::string& path) const override;
    void ListEntries(
        const std::string& path,
        const std::function<void(std::string_view name, bool folder)>& each) const override;
    // As the calling user, by the effective ids (faccessat with AT_EACCESS).
    bool CanCreateIn(const std::string& path) const override;
    // Made beside `copy` under a private name and renamed into place (RENAME_NOREPLACE); parents
    // made for the user alone. Ordinary files are read without waiting on what is no file.
    void CopyFolder(const std::string& original, const std::string& copy) override;
    bool PathExists(const std::string& path) const override;
    bool PlainFileExists(const std::string& path) const override;
    std::string ReadSmallFile(const std::string& path, std::size_t limit) const override;
    FolderIdentity IdentityOf(const std::string& path) const override;
    // IdentityOf: one call gives the device with the inode.
    FolderIdentity IdentityOfCreated(const std::string& path) const override {
        return IdentityOf(path);
    }
    // The entry is examined and removed by its name in its parent folder, opened once, so that
    // no link on the way is followed between the check and the removal; it is moved aside and
    // checked again just before (renameat2 with RENAME_NOREPLACE).
    Removal RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                              std::uint64_t madeBy) override;
    std::unique_ptr<Removals> StartRemovals() override;
    Removal PredictRemoval(const std::string& path, const FolderIdentity& identity,
                           std::uint64_t madeBy, std::size_t removedFirst) const override;
};

}  // namespace quire
