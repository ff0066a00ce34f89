#include "engine/planned_folders.h"

#include <algorithm>

#include "engine/failure.h"

namespace quire {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// FNV-1a over the parent's key and the name as the folder compares it. ASCII is folded here, as
// every system folds it; other text is left to the system's own table.
std::uint64_t PlannedFolders::Below(std::uint64_t parent, std::string_view name,
                                    bool foldsCase) const {
    const bool foldHere = foldsCase && IsAscii(name);
    std::string_view text = name;
    std::string folded;
    if (foldsCase && !foldHere) {
        folded = forecast_.FoldedCase(name);
        text = folded;
    }
    std::uint64_t hash = kFingerprintStart;
    for (int shift = 0; shift < 64; shift += 8) {
        hash = FingerprintStep(hash, static_cast<unsigned char>(parent >> shift));
    }
    for (char c : text) {
        if (foldHere && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        hash = FingerprintStep(hash, static_cast<unsigned char>(c));
    }
    return FingerprintEnd(hash);
}

// The folder at `path` as an anchor: by its identity where the system gives one. The target,
// which the run has checked, is known by its text where it gives none; any other path is then no
// anchor.
const PlannedFolders::Anchor* PlannedFolders::AnchorAt(std::string_view path, bool target) {
    Anchor& anchor = target ? target_ : inside_;
    if (!anchor.path.empty() && anchor.path == path) return &anchor;
    const std::string folder(path);
    std::uint64_t key = 0;
    try {
        const FolderIdentity identity = identities_.IdentityOf(folder);
        std::uint64_t hash = kFingerprintStart;
        for (const std::uint64_t part : {identity.volume, identity.file}) {
            for (int shift = 0; shift < 64; shift += 8) {
                hash = FingerprintStep(hash, static_cast<unsigned char>(part >> shift));
            }
        }
        key = FingerprintEnd(hash);
    } catch (const Failure&) {
        if (!target) return nullptr;
        std::string_view text = path;
        while (!text.empty() && IsSeparator(text.back())) text.remove_suffix(1);
        key = Below(0, text, false);
    }
    anchor.path = folder;
    anchor.key = key;
    anchor.foldsCase = forecast_.FoldsCase(folder);
    return &anchor;
}

PlannedFolders::Place PlannedFolders::Find(std::string_view path, std::size_t relative) {
    const Anchor* anchor = AnchorAt(path.substr(0, relative), true);
    std::uint64_t key = anchor->key;
    bool foldsCase = anchor->foldsCase;
    bool inPlanned = false;
    std::size_t end = path.size();
    while (end > relative && IsSeparator(path[end - 1])) --end;
    for (std::size_t at = relative; at < end;) {
        if (IsSeparator(path[at])) {
            ++at;
            continue;
        }
        std::size_t stop = at;
        while (stop < end && !IsSeparator(path[stop])) ++stop;
        const std::string_view name = path.substr(at, stop - at);
        at = stop;
        const bool last = stop == end;
        if (!last && name == ".") continue;
        const std::uint64_t below = Below(key, name, foldsCase);
        if (last) return {below, Contains(below), inPlanned};
        inPlanned = Contains(below);
        key = below;
        if (inPlanned) continue;
        if (const Anchor* existing = AnchorAt(path.substr(0, stop), false)) {
            key = existing->key;
            foldsCase = existing->foldsCase;
        }
    }
    return {key, false, false};
}

void PlannedFolders::Add(const Place& place) { fingerprints_.Insert(place.key); }

bool PlannedFolders::Contains(std::uint64_t key) const { return fingerprints_.Contains(key); }

void PlannedFolders::Clear() { fingerprints_.Clear(); }

}  // namespace quire
