#include "engine/undo.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "engine/fingerprint_set.h"
#include "engine/journal_paths.h"
#include "engine/path_separators.h"
#include "engine/run_journal.h"

namespace quire {
namespace {

// The paths met so far, by their fingerprint (two paths share one but for a chance in 2^64 per
// pair): whatever the journal's length, undo's memory stays bounded. Past 1.5 million paths,
// at most 33 MB, further ones are not remembered, and a repeat of one of those is met as any
// folder is.
class SeenPaths {
public:
    // False when `path` was met before.
    bool Insert(std::string_view path) {
        const std::uint64_t fingerprint = FingerprintOf(path);
        if (seen_.Contains(fingerprint)) return false;
        if (seen_.Size() < kMost) seen_.Insert(fingerprint);
        return true;
    }

private:
    static constexpr std::size_t kMost = 1500000;
    FingerprintSet seen_;
};

using FolderKey = std::pair<std::uint64_t, std::uint64_t>;

// The folder that holds `path` as the system knows it, whatever the path's spelling (another case,
// a short name, a "." step, '/' on Windows); nothing where it cannot tell.
std::optional<FolderKey> ParentOf(const FolderIdentities& files, const std::string& path,
                                  char separator) {
    const std::string_view separators = Separators(separator);
    const std::size_t end = path.find_last_not_of(separators);
    std::size_t at = end == std::string::npos ? end : path.find_last_of(separators, end);
    if (at == std::string::npos) return std::nullopt;
    if (at == 0 || path[at - 1] == ':') ++at;  // a root keeps its separator
    try {
        const FolderIdentity parent = files.IdentityOf(path.substr(0, at));
        return FolderKey(parent.volume, parent.file);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::shared_ptr<JournalReader> OpenToUndo(JournalStore& store) {
    std::unique_ptr<JournalFile> file = store.Open();
    if (!file) return nullptr;
    auto reader = std::make_shared<JournalReader>(std::move(file));
    if (reader->Undone() || reader->Folders() == 0) return nullptr;
    return reader;
}

// The dry run's view of what the undo would have removed before each folder: how many entries
// inside each folder still to come, the folders known by identity. A folder's count is dropped
// once it is met, so that only the folders whose insides are being undone are held.
class Foreseen {
public:
    std::size_t TakeRemovedInside(const FolderIdentity& folder) {
        const auto found = inside_.find({folder.volume, folder.file});
        if (found == inside_.end()) return 0;
        const std::size_t count = found->second;
        inside_.erase(found);
        return count;
    }
    void Removed(const FolderIdentities& files, const std::string& path, char separator) {
        if (const std::optional<FolderKey> parent = ParentOf(files, path, separator)) {
            ++inside_[*parent];
        }
    }

private:
    std::map<FolderKey, std::size_t> inside_;
};

}  // namespace

std::optional<UndoableRun> LastRunToUndo(JournalStore& journal) {
    std::shared_ptr<JournalReader> reader = OpenToUndo(journal);
    if (!reader) return std::nullopt;
    return UndoableRun{reader->Run().target, reader->Folders(), reader->Run().id, reader};
}

std::optional<UndoResult> UndoLastRun(FolderRemoval& folders, const FolderIdentities& identities,
                                      const FolderLookup& lookup, JournalStore& journal,
                                      UndoHost& host, bool dryRun, const UndoableRun* asked) {
    std::shared_ptr<JournalReader> reader;
    if (asked != nullptr) {
        reader = asked->journal;
        if (!reader || !reader->File().StillPublished()) return std::nullopt;
    } else {
        reader = OpenToUndo(journal);
        if (!reader) return std::nullopt;
    }
    const RunDescription& run = reader->Run();
    UndoResult result;
    result.target = run.target;
    result.incomplete = !reader->Finished();
    result.targetProblem = lookup.FolderProblem(run.target);
    if (!result.targetProblem.empty()) return result;

    const std::unique_ptr<FolderRemoval::Removals> removals =
        dryRun ? nullptr : folders.StartRemovals();
    SeenPaths seen;
    Foreseen foreseen;
    const std::int64_t total = reader->Folders();
    JournalEntry entry;
    while (reader->HasPrevious()) {
        if (!host.BeforeFolder(result.removed + result.kept, total)) {
            result.stopped = true;
            // The journal keeps the folders not yet done, for the next undo to take up.
            if (dryRun || result.removed == 0) return result;
            try {
                if (reader->File().StillPublished()) KeepRest(journal, *reader);
            } catch (const Failure& failure) {
                result.unmarked = failure.what();
            }
            return result;
        }
        reader->Previous(entry);
        const std::optional<std::string> path = PathInside(run.target, entry.path, run.separator);
        if (!path) {
            ++result.kept;
            host.Kept(entry.path, kKeptOutside);
            continue;
        }
        if (!seen.Insert(*path)) continue;
        using enum Removal;
        Removal removal = Removed;
        try {
            if (removals) {
                removal = removals->Remove(*path, entry.identity, reader->End());
            } else {
                removal = folders.PredictRemoval(*path, entry.identity, reader->End(),
                                                 foreseen.TakeRemovedInside(entry.identity));
                if (removal == Removed) foreseen.Removed(identities, *path, run.separator);
            }
        } catch (const Failure& failure) {
            ++result.kept;
            host.Kept(*path, failure.what());
            continue;
        }
        if (removal == Removed) {
            ++result.removed;
            host.Removed(*path);
            continue;
        }
        ++result.kept;
        host.Kept(*path, removal == NotEmpty ? kKeptNotEmpty
                         : removal == Gone   ? kKeptGone
                                             : kKeptChanged);
    }
    if (dryRun) return result;
    try {
        // A run that replaced the journal meanwhile keeps its own.
        if (reader->File().StillPublished()) {
            reader->Close();
            MarkUndone(journal, run);
        }
    } catch (const Failure& failure) {
        result.unmarked = failure.what();
    }
    return result;
}

}  // namespace quire
