#include "engine/undo.h"

#include <map>
#include <memory>

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

std::string_view ParentOf(const std::string& path, char separator) {
    const std::size_t at = path.rfind(separator);
    return at == std::string::npos ? std::string_view() : std::string_view(path).substr(0, at);
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
    // In a dry run, how many entries of each folder are foreseen removed before it.
    std::map<std::string_view, std::size_t> foreseenInside;
    UndoResult result;
    const auto total = static_cast<std::int64_t>(found->folders.size());
    const std::unique_ptr<FileSystem::Removals> removals =
        dryRun ? nullptr : files.StartRemovals();
    for (auto entry = found->folders.rbegin(); entry != found->folders.rend(); ++entry) {
        if (!host.BeforeFolder(result.removed + result.kept, total)) {
            result.stopped = true;
            return result;
        }
        using enum FileSystem::Removal;
        FileSystem::Removal removal = Removed;
        try {
            if (dryRun) {
                const auto inside = foreseenInside.find(entry->path);
                removal = files.PredictRemoval(entry->path, entry->identity,
                                               inside == foreseenInside.end() ? 0 : inside->second);
                if (removal == Removed) ++foreseenInside[ParentOf(entry->path, separator)];
            } else {
                removal = removals->Remove(entry->path, entry->identity);
            }
        } catch (const Failure& failure) {
            ++result.kept;
            host.Kept(entry->path, failure.what());
            continue;
        }
        switch (removal) {
            case Removed:
                ++result.removed;
                host.Removed(entry->path);
                continue;
            case NotEmpty: host.Kept(entry->path, kKeptNotEmpty); break;
            case Gone: host.Kept(entry->path, kKeptGone); break;
            case Changed: host.Kept(entry->path, kKeptChanged); break;
        }
        ++result.kept;
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
