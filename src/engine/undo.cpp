#include "engine/undo.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "engine/removal_lanes.h"
#include "engine/run_journal.h"

namespace quire {
namespace {

std::optional<Journal> JournalToUndo(JournalStore& store) {
    std::optional<Journal> journal = ReadJournal(store);
    if (!journal || journal->undone || journal->folders.empty()) return std::nullopt;
    return journal;
}

// The run that the store's journal is of now, or nothing: another run may have replaced it.
bool StillTheJournalOf(JournalStore& store, const RunDescription& run) {
    const std::optional<Journal> now = ReadJournal(store, JournalPart::RunOnly);
    return now && !now->undone && now->run.id == run.id && now->run.time == run.time &&
           now->run.target == run.target;
}

// The folder that holds `path` as the system knows it, whatever the path's spelling (another case,
// a short name, a "." step, '/' on Windows); nothing where it cannot tell.
std::optional<std::pair<std::uint64_t, std::uint64_t>> ParentOf(const FileSystem& files,
                                                                 const std::string& path,
                                                                 char separator) {
    const std::string_view separators = separator == '\\' ? "\\/" : "/";
    const std::size_t end = path.find_last_not_of(separators);
    std::size_t at = end == std::string::npos ? end : path.find_last_of(separators, end);
    if (at == std::string::npos) return std::nullopt;
    if (at == 0 || path[at - 1] == ':') ++at;  // a root keeps its separator
    try {
        const FolderIdentity parent = files.IdentityOf(path.substr(0, at));
        return std::pair(parent.volume, parent.file);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<UndoableRun> LastRunToUndo(JournalStore& journal) {
    const std::optional<Journal> found = JournalToUndo(journal);
    if (!found) return std::nullopt;
    return UndoableRun{found->run.target, static_cast<std::int64_t>(found->folders.size()),
                       found->run.id};
}

std::optional<UndoResult> UndoLastRun(FileSystem& files, JournalStore& journal, UndoHost& host,
                                      bool dryRun, const UndoableRun* asked) {
    const std::optional<Journal> found = JournalToUndo(journal);
    if (!found || (asked != nullptr && found->run.id != asked->id)) return std::nullopt;
    const char separator = found->run.separator;
    std::vector<FolderToRemove> order;
    for (auto entry = found->folders.rbegin(); entry != found->folders.rend(); ++entry) {
        order.push_back({&entry->path, &entry->identity});
    }
    std::optional<RemovalLanes> lanes;
    if (!dryRun) lanes.emplace(files, order, found->run.target, separator);
    // In a dry run, how many entries of each folder are foreseen removed before it.
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::size_t> foreseenInside;
    UndoResult result;
    std::vector<bool> removed(order.size(), false);
    const auto report = [&](std::size_t index, const RemovalOutcome& outcome) {
        using enum FileSystem::Removal;
        const std::string& path = *order[index].path;
        if (outcome.failure.empty() && outcome.removal == Removed) {
            removed[index] = true;
            ++result.removed;
            host.Removed(path);
            return;
        }
        ++result.kept;
        if (!outcome.failure.empty()) {
            host.Kept(path, outcome.failure);
            return;
        }
        switch (outcome.removal) {
            case Removed: break;
            case NotEmpty: host.Kept(path, kKeptNotEmpty); break;
            case Gone: host.Kept(path, kKeptGone); break;
            case Changed: host.Kept(path, kKeptChanged); break;
        }
    };
    const auto total = static_cast<std::int64_t>(order.size());
    for (std::size_t index = 0; index < order.size(); ++index) {
        const std::string& path = *order[index].path;
        if (!host.BeforeFolder(result.removed + result.kept, total)) {
            result.stopped = true;
            if (!lanes) return result;
            // What the lanes had done already is told all the same, and the journal keeps only
            // the folders still to undo, so that the next undo takes up from there.
            lanes->Stop();
            for (std::size_t done = index; done < order.size(); ++done) {
                if (lanes->Done(done)) report(done, lanes->Take(done));
            }
            if (result.removed > 0) {
                std::vector<const JournalEntry*> left;
                for (std::size_t at = order.size(); at-- > 0;) {
                    if (!removed[at]) left.push_back(&found->folders[order.size() - 1 - at]);
                }
                try {
                    if (StillTheJournalOf(journal, found->run)) {
                        KeepInJournal(journal, found->run, left);
                    }
                } catch (const Failure& failure) {
                    result.unmarked = failure.what();
                }
            }
            return result;
        }
        if (lanes) {
            report(index, lanes->Take(index));
            continue;
        }
        RemovalOutcome outcome;
        try {
            const FolderIdentity& identity = *order[index].identity;
            const auto inside = foreseenInside.find({identity.volume, identity.file});
            outcome.removal = files.PredictRemoval(
                path, identity, inside == foreseenInside.end() ? 0 : inside->second);
            if (outcome.removal == FileSystem::Removal::Removed) {
                if (const auto parent = ParentOf(files, path, separator)) ++foreseenInside[*parent];
            }
        } catch (const Failure& failure) {
            outcome.failure = failure.what();
        }
        report(index, outcome);
    }
    if (dryRun) return result;
    try {
        // A run that replaced the journal meanwhile keeps its own.
        if (StillTheJournalOf(journal, found->run)) MarkUndone(journal, found->run);
    } catch (const Failure& failure) {
        result.unmarked = failure.what();
    }
    return result;
}

}  // namespace quire
