// The journal of the last run, read in bounded memory whatever its length: once through from the
// start to learn what it holds, then its folders from the last to the first, in pieces.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/journal_records.h"
#include "engine/journal_store.h"

namespace quire {

class JournalReader {
public:
    // Only whole records count: a tail torn by a kill ends the journal, and so does a record
    // this program does not write. Throws Failure when `file` is no journal of this program, one
    // of its first version, or one that does not tell which run it is of.
    explicit JournalReader(std::unique_ptr<JournalFile> file);

    const RunDescription& Run() const { return run_; }
    bool Undone() const { return undone_; }
    // The run wrote its journal whole and ended: every folder it made is listed.
    bool Finished() const { return finished_; }
    // When the run ended, in nanoseconds since 1970; 0 when it did not finish.
    std::uint64_t End() const { return end_; }
    std::int64_t Folders() const { return folders_; }
    JournalFile& File() { return *file_; }
    // Lets the file go, before the journal is replaced: Windows replaces no file held open.
    void Close() { file_.reset(); }

    // True while Previous has a folder to give.
    bool HasPrevious() const { return back_ > foldersStart_; }
    // The folder made before the one this gave last (the last folder first); false once the
    // first is given. Throws Failure when the file changed since it was read through.
    bool Previous(JournalEntry& entry);
    // Writes into `sink` the journal of the folders before the one Previous gave last, with the
    // run's record before them and its end after: what an undo stopped part way leaves.
    void WriteRest(JournalSink& sink);

private:
    // Holds at least the bytes [from, to) of the file, reading back from `to` in pieces.
    std::string_view Held(std::uint64_t from, std::uint64_t to);

    std::unique_ptr<JournalFile> file_;
    RunDescription run_;
    bool undone_ = false;
    bool finished_ = false;
    std::uint64_t end_ = 0;
    std::int64_t folders_ = 0;
    std::uint64_t foldersStart_ = 0;  // where the first folder's record begins
    std::uint64_t back_ = 0;          // where the record Previous gave last begins
    std::string piece_;               // bytes of the file from pieceStart_
    std::uint64_t pieceStart_ = 0;
};

}  // namespace quire
