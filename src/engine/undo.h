// Undo of the last run: removes exactly the folders its journal lists that are still empty, still
// folders and still the ones it made, inside its target, and nothing else.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/folder_identities.h"
#include "engine/folder_lookup.h"
#include "engine/folder_removal.h"
#include "engine/journal_reader.h"
#include "engine/journal_store.h"

namespace quire {

// Why a folder of the journal is kept.
inline constexpr std::string_view kKeptNotEmpty = "not empty";
inline constexpr std::string_view kKeptGone = "gone";
inline constexpr std::string_view kKeptChanged = "changed";  // another entry or folder stands there
inline constexpr std::string_view kKeptOutside = "not inside the run's target folder";

// The run an undo would work on.
struct UndoableRun {
    std::string target;
    std::int64_t folders = 0;  // the folders its journal lists, each of which undo considers
    std::uint64_t id = 0;      // the run's own
    // The journal as it was read for the question, held (and so kept from other undos) until
    // the undo, which then removes no more than the folders counted.
    std::shared_ptr<JournalReader> journal;
};

// For the windows' "Undo Last Run...": what to ask before ("Remove the N empty folders that the
// last run created in TARGET?"); nothing when there is nothing to undo (no journal, or one undone
// already). Throws JournalBusy while a run still writes the journal, Failure when it cannot be
// read.
std::optional<UndoableRun> LastRunToUndo(JournalStore& journal);

class UndoHost {
public:
    virtual ~UndoHost() = default;

    // Called before each folder with how many are done of how many; false stops the undo at
    // once, and the journal keeps the folders not yet done.
    virtual bool BeforeFolder(std::int64_t done, std::int64_t total) {
        static_cast<void>(done);
        static_cast<void>(total);
        return true;
    }
    // The folder at `path` is removed (in a dry run: would be).
    virtual void Removed(const std::string& path) { static_cast<void>(path); }
    // The folder at `path` is kept, and why: one of the kKept texts, or the system's words.
    virtual void Kept(const std::string& path, std::string_view reason) {
        static_cast<void>(path);
        static_cast<void>(reason);
    }
};

struct UndoResult {
    std::string target;        // the run's target folder
    std::int64_t removed = 0;  // or, in a dry run, that would be
    std::int64_t kept = 0;
    bool stopped = false;  // by the host, part way
    std::string unmarked;  // why the journal could not be marked undone, or the empty text
    // The run did not write its journal whole (it was killed, or the journal could not be
    // written): the folders it made after the journal's last entry are not known, and stay.
    bool incomplete = false;
    // Why the run's target folder cannot be found: nothing was removed and the journal is kept.
    std::string targetProblem;
};

// The undo itself, for the windows and the command line, on the caller's thread: walks the
// journal from the last folder to the first, so that folders made inside others go first, and
// removes each one inside the run's target that FolderRemoval::RemoveEmptyFolder finds still empty,
// still a folder and still the one made; a folder the journal lists twice counts once. The
// journal is then marked undone, so that a second undo finds nothing to do. `dryRun` removes and
// marks nothing and tells what would be removed. Nothing when there is nothing to undo; throws
// JournalBusy while a run still writes the journal, Failure when it cannot be read. The window
// tells the user "Removed R folders. K were kept because they are not empty or have changed."
// from the result. With `asked`, the run the user agreed to undo, from the journal read then: a
// journal replaced meanwhile by another run is not touched (nothing). The target is checked by
// `lookup`, and a dry run knows the folders that hold the ones it removes by `identities`.
std::optional<UndoResult> UndoLastRun(FolderRemoval& folders, const FolderIdentities& identities,
                                      const FolderLookup& lookup, JournalStore& journal,
                                      UndoHost& host, bool dryRun,
                                      const UndoableRun* asked = nullptr);

}  // namespace quire
