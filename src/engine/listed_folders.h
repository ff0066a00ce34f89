// The dry run's predictions answered from one listing of each folder the run makes folders in,
// instead of a look at every folder: what foretelling a million folders can afford.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/creation_forecast.h"
#include "engine/entry_listing.h"
#include "engine/fingerprint_set.h"

namespace quire {

// Predictions that come from listings (EntryListing::ListEntries), each folder listed once while
// it is among the last few asked about. The system itself is asked where a listing cannot answer:
// a folder that cannot be listed, or any where the system gives no listing (whose predictions are
// then each the system's), an entry in the way or a name that no listing holds (for the system's
// own words), and the first missing name of each length that is longer than any accepted in that
// folder. Makes nothing.
class ListedFolders final : public CreationForecast {
public:
    ListedFolders(const CreationForecast& files, const EntryListing* listing, char separator)
        : files_(files), listing_(listing), separator_(separator) {}

    Creation PredictCreation(const std::string& path) const override;
    // Asked of the system for each name longer than any it accepted so far, once it has listed a
    // folder (and so promised that a name's length is all that matters).
    Creation PredictCreationInPlannedFolder(const std::string& path) const override;

    // How many folders were listed, those listed again included.
    std::size_t Listings() const { return listings_; }

    bool FoldsCase(const std::string& path) const override { return files_.FoldsCase(path); }
    std::string FoldedCase(std::string_view name) const override { return files_.FoldedCase(name); }

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

    const CreationForecast& files_;
    const EntryListing* listing_;
    char separator_;
    mutable std::vector<std::unique_ptr<Listing>> recent_;  // the last asked first
    mutable std::size_t listings_ = 0;
    mutable std::size_t plannedLongest_ = 0;
    mutable bool plannedAccepted_ = false;
    mutable bool systemLists_ = false;  // the system keeps ListEntries' promise on predictions
};

}  // namespace quire
