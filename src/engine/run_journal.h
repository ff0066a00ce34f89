// The journal of the last run that created a folder: where and how it ran, then every folder it
// created, in order, with the identity the system gave it; what undo works from.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/failure.h"
#include "engine/folder_identities.h"
#include "engine/journal_reader.h"
#include "engine/journal_records.h"
#include "engine/journal_store.h"

namespace quire {

struct Journal {
    RunDescription run;
    std::vector<JournalEntry> folders;  // in the order they were created
    bool undone = false;
    bool finished = false;  // JournalReader::Finished
    std::uint64_t end = 0;
};

// Encodes and writes one run's journal (engine/journal_records.h). Each entry is a record that
// carries its length and a checksum, so that names of any bytes come back whole and a record torn
// by a kill is known as such and left out. The target is journaled as a full path, and so is
// every folder's. Every call throws Failure when the journal cannot be written; the writer then
// writes nothing more, and the journal, without its end, is known as incomplete.
class JournalWriter {
public:
    using Clock = std::chrono::steady_clock;
    // What is held is written at least this often while folders come.
    static constexpr auto kWriteInterval = std::chrono::milliseconds(50);
    // Written sooner once this much is held, so that the memory a run takes never grows with it.
    static constexpr std::size_t kLargestHeld = std::size_t{64} * 1024;

    JournalWriter(const FolderIdentities& files, JournalStore& store, const RunDescription& run,
                  std::function<Clock::time_point()> now = Clock::now);
    // What is still held is written, unsynced, when the run ends by an exception.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // The run has created the folder at `path`: its identity is looked up and its entry held. The
    // first one makes the target a full path (from the current folder) and replaces the last
    // journal. A folder gone again already is left out.
    void Add(const std::string& path);
    // Writes what is held once kWriteInterval has passed since the last write, or sooner when
    // much is held.
    void WriteIfDue();
    // When WriteIfDue will write what is held; the farthest time when nothing is.
    Clock::time_point NextWrite() const;
    // The run's end is written, everything is on the disk and the journal is let go: undo may
    // take it from now on.
    void Finish();

private:
    void Write();
    template <class Step>
    void Guarded(Step step);
    // `path` under the target's full path.
    std::string Journaled(const std::string& path) const;

    const FolderIdentities& files_;
    RunDescription run_;
    std::string typedTarget_;  // the target as the run was given it
    JournalStore& store_;
    std::function<Clock::time_point()> now_;
    std::unique_ptr<JournalSink> sink_;
    std::string held_;  // encoded, not yet written
    Clock::time_point lastWrite_{};
    bool failed_ = false;
};

// Starts `work` on a thread beside the caller's, or gives none where the file system's calls must
// all come from one thread; signals are left to the threads that wait for them. Each program's
// own (an empty one gives none).
using HelperStart = std::function<std::optional<std::thread>(std::function<void()> work)>;

// The journal of a run, written as the run goes. Where `startHelper` gives a thread, the writer
// works on it: the run only hands each new folder's path over, and the identities are looked up
// and the journal written meanwhile, at most kFlushInterval after each folder is made, even while
// the run waits on a question. Synced at the end. A journal that cannot be written never stops
// the run.
class RunJournal {
public:
    using Clock = JournalWriter::Clock;
    static constexpr auto kFlushInterval = 2 * JournalWriter::kWriteInterval;

    // `unwritable` is told, once and on the run's thread, why the journal cannot be written.
    RunJournal(const FolderIdentities& files, JournalStore& store, const RunDescription& run,
               std::function<void(const Failure&)> unwritable, const HelperStart& startHelper = {},
               std::function<Clock::time_point()> now = Clock::now);
    // The writer's thread ends; what it holds is written, unsynced.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // The run has just created the folder at `path`.
    void FolderCreated(const std::string& path);

    // The run is over: everything is written and on the disk.
    void Finish();

private:
    void Work();
    void StopWorking();
    void Fail(const std::string& why);

    JournalWriter writer_;
    std::function<void(const Failure&)> unwritable_;
    std::mutex mutex_;
    std::condition_variable wake_;  // the thread's
    std::condition_variable room_;  // the run's, when it has handed over too much
    std::string handed_;            // paths handed to the writer's thread, each after its length
    std::size_t handedCount_ = 0;
    bool stopping_ = false;
    bool idle_ = false;                   // the thread waits with nothing to write
    std::optional<std::string> failure_;  // why the thread stopped writing, not yet told
    bool failed_ = false;                 // nothing more is handed over
    std::thread thread_;  // none without a helper, or once finished: each folder written at once
};

// The journal in the store, whole in memory, or nothing when there is none (for small journals:
// undo reads through JournalReader). Throws Failure as JournalReader does.
std::optional<Journal> ReadJournal(JournalStore& store);

// Replaces the journal, in one step, by `run`'s marked undone, which lists no folder.
void MarkUndone(JournalStore& store, const RunDescription& run);

// Replaces the journal, in one step, by the one that lists the folders before the one `reader`
// gave last, in the order they were made: what an undo stopped part way leaves to the next. The
// reader's file is let go before.
void KeepRest(JournalStore& store, JournalReader& reader);

// A new run's description with its time and id drawn now.
RunDescription DescribeRun(std::string target, std::string pattern, bool listed, std::int64_t count,
                           char separator);

}  // namespace quire
