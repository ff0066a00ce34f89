// Undo of the last run: removes exactly the folders its journal lists that are still empty, still
// folders and still the ones it made, and nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/file_system.h"
#include "engine/journal_store.h"

namespace quire {

// Why a folder of the journal is kept.
inline constexpr std::string_view kKeptNotEmpty = "not empty";
inline constexpr std::string_view kKeptGone = "gone";
inline constexpr std::string_view kKeptChanged = "changed";  // another entry or folder stands there

// The run an undo would work on.
struct UndoableRun {
    std::string target;
    std::int64_t folders = 0;  // the folders its journal lists, each of which undo considers
    std::uint64_t id = 0;      // the run's own, to undo only the run the user was asked about
};

// For the windows' "Undo Last Run...": what to ask before ("Remove the N empty folders that the
// last run created in TARGET?"); nothing when there is nothing to undo (no journal, or one undone
// already). Throws Failure when the journal cannot be read.
std::optional<UndoableRun> LastRunToUndo(JournalStore& journal);

class UndoHost {
public:
    virtual ~UndoHost() = default;

    // Called before each folder with how many are done of how many; false stops the undo at
    // once, and the journal stays as it is.
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
    std::int64_t removed = 0;  // or, in a dry run, that would be
    std::int64_t kept = 0;
    bool stopped = false;  // by the host, part way
    std::string unmarked;  // why the journal could not be marked undone, or the empty text
};

// The undo itself, for the windows and the command line: walks the journal from the last folder
// to the first, so that folders made inside others go first, and removes each one that
// FileSystem::RemoveEmptyFolder finds still empty, still a folder and still the one made; the
// journal is then marked undone, so that a second undo finds nothing to do. `dryRun` removes and
// marks nothing and tells what would be removed. Nothing when there is nothing to undo; throws
// Failure when the journal cannot be read. The window tells the user "Removed R folders. K were
// kept because they are not empty or have changed." from the result. With `asked`, the run the
// user agreed to undo: a journal replaced meanwhile by another run is not touched (nothing).
std::optional<UndoResult> UndoLastRun(FileSystem& files, JournalStore& journal, UndoHost& host,
                                      bool dryRun, const UndoableRun* asked = nullptr);

}  // namespace quire
