// The dry run's predictions answered from one listing of each folder the run makes folders in,
// instead of a look at every folder: what foretelling a million folders can afford.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "engine/fingerprint_set.h"

namespace quire {

// A file system whose predictions come from listings (FileSystem::ListEntries), each folder listed
// once while it is among the last few asked about. The system itself is asked where a listing
// cannot answer: a folder that cannot be listed (whose predictions are then each the system's),
// an entry in the way or a name that no listing holds (for the system's own words), and the first
// missing name of each length that is longer than any accepted in that folder. Makes nothing.
class ListedFolders final : public FileSystem {
public:
    ListedFolders(const FileSystem& files, char separator) : files_(files), separator_(separator) {}

    Creation PredictCreation(const std::string& path) const override;
    // Asked of the system for each name longer than any it accepted so far, once it has listed a
    // folder (and so promised that a name's length is all that matters).
    Creation PredictCreationInPlannedFolder(const std::string& path) const override;

    // How many folders were listed, those listed again included.
    std::size_t Listings() const { return listings_; }

    bool FolderExists(const std::string& path) const override { return files_.FolderExists(path); }
    std::string FolderProblem(const std::string& path) const override {
        return files_.FolderProblem(path);
    }
    void CreateFolder(const std::string&) override { throw Failure("A preview makes no folder"); }
    bool FoldsCase(const std::string& path) const override { return files_.FoldsCase(path); }
    std::string FoldedCase(std::string_view name) const override { return files_.FoldedCase(name); }
    FolderIdentity IdentityOf(const std::string& path) const override {
        return files_.IdentityOf(path);
    }
    bool PathExists(const std::string& path) const override { return files_.PathExists(path); }
    bool PlainFileExists(const std::string& path) const override {
        return files_.PlainFileExists(path);
    }
    std::string ReadSmallFile(const std::string& path, std::size_t limit) const override {
        return files_.ReadSmallFile(path, limit);
    }

private:
    static constexpr std::size_t kKept = 8;

    struct Listing {
        std::string folder;
        bool listed = false;  // false: the folder could not be read, the system answers for it
        bool foldsCase = false;
        FingerprintSet folders;
        FingerprintSet others;  // entries a folder cannot be made over
        std::size_t longestAccepted = 0;
        bool accepted = false;
    };

    Listing& ListingOf(std::string_view folder) const;
    std::uint64_t Key(const Listing& listing, std::string_view name) const;

    const FileSystem& files_;
    char separator_;
    mutable std::vector<std::unique_ptr<Listing>> recent_;  // the last asked first
    mutable std::size_t listings_ = 0;
    mutable std::size_t plannedLongest_ = 0;
    mutable bool plannedAccepted_ = false;
    mutable bool systemLists_ = false;  // the system keeps ListEntries' promise on predictions
};

}  // namespace quire
