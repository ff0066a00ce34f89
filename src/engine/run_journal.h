// The journal of the last run that created a folder: where and how it ran, then every folder it
// created, in order, with the identity the system gave it; what undo works from.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "engine/file_system.h"
#include "engine/journal_store.h"

namespace quire {

struct RunDescription {
    std::string target;
    std::string pattern;     // empty for names from a list
    bool listed = false;     // names from a list instead of a pattern
    std::int64_t count = 0;  // numbered folders; 0 for a list
    std::int64_t time = 0;   // seconds since 1970 (UTC) when the run started
    char separator = '/';    // of the paths below
    std::uint64_t id = 0;    // tells two runs apart, even of the same second
};

struct JournalEntry {
    std::string path;
    FolderIdentity identity;
};

struct Journal {
    RunDescription run;
    std::vector<JournalEntry> folders;  // in the order they were created
    bool undone = false;
};

// Writes one run's journal as the run goes. Each entry is a record that carries its length and a
// checksum, so that names of any bytes come back whole and a record torn by a kill is known as
// such and left out. Written in pieces at most kFlushInterval apart (checked as folders are
// made), and synced at the end. A journal that cannot be written never stops the run.
class RunJournal {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kFlushInterval = std::chrono::milliseconds(100);
    // Written sooner once this much is held, so that the memory a run takes never grows with it.
    static constexpr std::size_t kLargestHeld = std::size_t{64} * 1024;

    // `unwritable` is told, once, why the journal cannot be written; nothing more is written.
    RunJournal(const FileSystem& files, JournalStore& store, const RunDescription& run,
               std::function<void(const Failure&)> unwritable,
               std::function<Clock::time_point()> now = Clock::now);
    // What is still held is written, unsynced, when the run ends by an exception.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // The run has just created the folder at `path`. The first one replaces the last journal.
    void FolderCreated(const std::string& path);

    // The run is over: everything is written and on the disk.
    void Finish();

private:
    void Write();
    void Fail(const Failure& failure);

    const FileSystem& files_;
    JournalStore& store_;
    std::function<void(const Failure&)> unwritable_;
    std::function<Clock::time_point()> now_;
    std::unique_ptr<JournalSink> sink_;
    std::string held_;  // encoded, not yet written
    Clock::time_point lastWrite_{};
    bool failed_ = false;
};

// The journal in the store, or nothing when there is none. Only whole records are read: a tail
// torn by a kill ends the journal. Throws Failure when it cannot be read or is no journal.
std::optional<Journal> ReadJournal(JournalStore& store);

// Replaces the journal, in one step, by `run`'s marked undone, which lists no folder.
void MarkUndone(JournalStore& store, const RunDescription& run);

// A new run's description with its time and id drawn now.
RunDescription DescribeRun(std::string target, std::string pattern, bool listed, std::int64_t count,
                           char separator);

}  // namespace quire
