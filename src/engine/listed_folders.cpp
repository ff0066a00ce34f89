#include "engine/listed_folders.h"

#include <algorithm>

#include "engine/failure.h"
#include "engine/path_separators.h"
#include "engine/windows_names.h"

namespace quire {
namespace {

struct Split {
    std::string_view folder;  // with its separator
    std::string_view name;
};

// The folder an entry is made in and its name; the trailing separators are no part of it.
Split SplitPath(std::string_view path, char separator) {
    while (!path.empty() && IsSeparator(path.back(), separator)) path.remove_suffix(1);
    std::size_t at = path.size();
    while (at > 0 && !IsSeparator(path[at - 1], separator)) --at;
    return {path.substr(0, at), path.substr(at)};
}

// A name no listing holds: the system's own answer is its words for it. Windows refuses some names
// by their form alone (a device's, a trailing dot), however short: a listing cannot answer for
// them.
bool Unlisted(const Split& split, char separator) {
    return split.folder.empty() || split.name.empty() || split.name == "." || split.name == ".." ||
           split.name.find('\0') != std::string_view::npos ||
           (separator == '\\' && !windows::NameProblem(split.name).empty());
}

}  // namespace

std::uint64_t ListedFolders::Key(const Listing& listing, std::string_view name) const {
    return listing.foldsCase ? FingerprintOf(files_.FoldedCase(name)) : FingerprintOf(name);
}

ListedFolders::Listing& ListedFolders::ListingOf(std::string_view folder) const {
    const auto found = std::find_if(recent_.begin(), recent_.end(),
                                    [&](const auto& listing) { return listing->folder == folder; });
    if (found != recent_.end()) {
        std::rotate(recent_.begin(), found, found + 1);
        return *recent_.front();
    }
    auto listing = std::make_unique<Listing>();
    listing->folder = folder;
    ++listings_;
    try {
        if (listing_ != nullptr) {
            listing->foldsCase = files_.FoldsCase(listing->folder);
            listing_->ListEntries(listing->folder, [&](std::string_view name, bool isFolder) {
                (isFolder ? listing->folders : listing->others).Insert(Key(*listing, name));
            });
            listing->listed = true;
            systemLists_ = true;
        }
    } catch (const Failure&) {
        listing->folders.Clear();
        listing->others.Clear();
    }
    if (recent_.size() == kKept) recent_.pop_back();
    recent_.insert(recent_.begin(), std::move(listing));
    return *recent_.front();
}

Creation ListedFolders::PredictCreation(const std::string& path) const {
    const Split split = SplitPath(path, separator_);
    if (Unlisted(split, separator_)) return files_.PredictCreation(path);
    Listing& listing = ListingOf(split.folder);
    if (!listing.listed) return files_.PredictCreation(path);
    const std::uint64_t key = Key(listing, split.name);
    if (listing.folders.Contains(key)) return Creation::Existed;
    if (listing.others.Contains(key)) return files_.PredictCreation(path);
    if (listing.accepted && split.name.size() <= listing.longestAccepted) return Creation::Created;
    const Creation creation = files_.PredictCreation(path);
    if (creation == Creation::Created) {
        listing.longestAccepted = std::max(listing.longestAccepted, split.name.size());
        listing.accepted = true;
    }
    return creation;
}

Creation ListedFolders::PredictCreationInPlannedFolder(const std::string& path) const {
    const Split split = SplitPath(path, separator_);
    if (systemLists_ && !Unlisted(split, separator_) && plannedAccepted_ &&
        split.name.size() <= plannedLongest_) {
        return Creation::Created;
    }
    const Creation creation = files_.PredictCreationInPlannedFolder(path);
    if (!Unlisted(split, separator_)) {
        plannedLongest_ = std::max(plannedLongest_, split.name.size());
        plannedAccepted_ = true;
    }
    return creation;
}

}  // namespace quire
