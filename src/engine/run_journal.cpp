#include "engine/run_journal.h"

#include <algorithm>
#include <exception>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

#include "engine/path_separators.h"

namespace quire {
namespace {

using namespace records;

// Folders handed to the journal's thread that wake it before its time.
constexpr std::size_t kBatch = 1024;
// Folders handed over that the thread has not taken yet, at most.
constexpr std::size_t kMostHanded = 8 * kBatch;

void SetLength(char* at, std::size_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFFU);
}

}  // namespace

JournalWriter::JournalWriter(const FolderIdentities& files, JournalStore& store,
                             const RunDescription& run, std::function<Clock::time_point()> now)
    : files_(files), run_(run), typedTarget_(run.target), store_(store), now_(std::move(now)) {}

JournalWriter::~JournalWriter() {
    try {
        if (sink_ && !failed_) sink_->Write(held_);
    } catch (const std::exception&) {
        // The run is ending by another failure already; the journal holds what it holds.
    }
}

template <class Step>
void JournalWriter::Guarded(Step step) {
    if (failed_) throw Failure("The journal could not be written");
    try {
        step();
    } catch (...) {
        failed_ = true;
        held_.clear();
        held_.shrink_to_fit();
        throw;
    }
}

void JournalWriter::Add(const std::string& path) {
    FolderIdentity identity;
    try {
        identity = files_.IdentityOfCreated(path);
    } catch (const Failure&) {
        return;  // gone again already: there is nothing undo could remove
    }
    Guarded([&] {
        if (!sink_) {
            run_.target = files_.AbsolutePath(typedTarget_);
            held_ = kMagic;
            AppendRun(held_, run_);
        }
        AppendFolder(held_, Journaled(path), identity);
        if (sink_) return;
        std::unique_ptr<JournalSink> sink = store_.Begin();
        sink->Write(held_);
        sink->Publish();
        sink_ = std::move(sink);
        held_.clear();
        lastWrite_ = now_();
    });
}

void JournalWriter::WriteIfDue() {
    if (!sink_ || held_.empty()) return;
    if (held_.size() >= kLargestHeld || now_() >= NextWrite()) Guarded([this] { Write(); });
}

JournalWriter::Clock::time_point JournalWriter::NextWrite() const {
    return !sink_ || held_.empty() ? Clock::time_point::max() : lastWrite_ + kWriteInterval;
}

void JournalWriter::Finish() {
    if (!sink_) return;
    Guarded([this] {
        const auto end = std::chrono::system_clock::now().time_since_epoch();
        AppendEnd(held_, static_cast<std::uint64_t>(
                             std::chrono::duration_cast<std::chrono::nanoseconds>(end).count()));
        Write();
        sink_->Sync();
        sink_.reset();
    });
}

// A path the run made in the target as typed gets the target's full path before its names; any
// other (a folder made above a relative target, a name after a drive alone) is made full itself.
std::string JournalWriter::Journaled(const std::string& path) const {
    if (run_.target == typedTarget_) return path;
    const auto isSeparator = [this](char c) { return IsSeparator(c, run_.separator); };
    const std::size_t typed = typedTarget_.size();
    if (path.starts_with(typedTarget_) && typed > 0 &&
        (isSeparator(typedTarget_.back()) || (path.size() > typed && isSeparator(path[typed])))) {
        return run_.target + path.substr(typed);
    }
    return files_.AbsolutePath(path);
}

void JournalWriter::Write() {
    sink_->Write(held_);
    held_.clear();
    lastWrite_ = now_();
}

RunJournal::RunJournal(const FolderIdentities& files, JournalStore& store,
                       const RunDescription& run, std::function<void(const Failure&)> unwritable,
                       const HelperStart& startHelper, std::function<Clock::time_point()> now)
    : writer_(files, store, run, std::move(now)), unwritable_(std::move(unwritable)) {
    try {
        if (std::optional<std::thread> helper =
                startHelper ? startHelper([this] { Work(); }) : std::nullopt) {
            thread_ = std::move(*helper);
        }
    } catch (const std::system_error& error) {
        Fail(error.what());
    }
}

RunJournal::~RunJournal() { StopWorking(); }

void RunJournal::FolderCreated(const std::string& path) {
    if (failed_) return;
    if (!thread_.joinable()) {
        try {
            writer_.Add(path);
            writer_.WriteIfDue();
        } catch (const std::exception& failure) {
            Fail(failure.what());
        }
        return;
    }
    std::optional<std::string> failure;
    bool wake = false;
    {
        std::unique_lock lock(mutex_);
        // A thread that falls behind holds the run back, so that neither the memory held nor
        // the time before a folder is written grows.
        room_.wait(lock, [this] { return handedCount_ < kMostHanded || failure_; });
        failure.swap(failure_);
        char length[4];
        SetLength(length, path.size());
        handed_.append(length, 4);
        handed_.append(path);
        ++handedCount_;
        // The thread wakes on its own to write on time; it is woken only from a pause, or for a
        // batch to take.
        wake = idle_ || handedCount_ == kBatch;
        idle_ = false;
    }
    if (failure) {
        Fail(*failure);
    } else if (wake) {
        wake_.notify_one();
    }
}

void RunJournal::Finish() {
    StopWorking();
    std::optional<std::string> failure = std::exchange(failure_, std::nullopt);
    if (!failure && !failed_) {
        try {
            writer_.Finish();
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    if (failure) Fail(*failure);
}

void RunJournal::Work() {
    std::string batch;
    std::unique_lock lock(mutex_);
    for (;;) {
        const Clock::time_point next = writer_.NextWrite();
        if (!stopping_ && handedCount_ == 0 && next == Clock::time_point::max()) {
            idle_ = true;
            wake_.wait(lock, [this] { return stopping_ || handedCount_ > 0; });
        } else if (!stopping_ && handedCount_ < kBatch) {
            // Folders handed over are taken soon enough that each is written within the
            // flush interval of its making.
            wake_.wait_until(lock, std::min(next, Clock::now() + JournalWriter::kWriteInterval / 2),
                             [this] { return stopping_ || handedCount_ >= kBatch; });
        }
        batch.swap(handed_);
        const bool full = handedCount_ >= kMostHanded;
        handedCount_ = 0;
        const bool last = stopping_;
        lock.unlock();
        if (full) room_.notify_one();
        try {
            for (std::size_t at = 0; at < batch.size();) {
                const auto length = static_cast<std::size_t>(GetNumber(batch, at, 4));
                writer_.Add(batch.substr(at + 4, length));
                at += 4 + length;
            }
            batch.clear();
            writer_.WriteIfDue();
        } catch (const std::exception& failure) {
            lock.lock();
            failure_ = failure.what();
            lock.unlock();
            room_.notify_one();
            return;
        }
        lock.lock();
        if (last) return;
    }
}

void RunJournal::StopWorking() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RunJournal::Fail(const std::string& why) {
    failed_ = true;
    if (unwritable_) unwritable_(Failure(why));
}

std::optional<Journal> ReadJournal(JournalStore& store) {
    std::unique_ptr<JournalFile> file = store.Open();
    if (!file) return std::nullopt;
    JournalReader reader(std::move(file));
    Journal journal{reader.Run(), {}, reader.Undone(), reader.Finished(), reader.End()};
    for (JournalEntry entry; reader.Previous(entry);) journal.folders.push_back(std::move(entry));
    std::reverse(journal.folders.begin(), journal.folders.end());
    return journal;
}

void MarkUndone(JournalStore& store, const RunDescription& run) {
    std::string bytes(kMagic);
    AppendRun(bytes, run);
    CloseRecord(bytes, OpenRecord(bytes, kUndone));
    const std::unique_ptr<JournalSink> sink = store.Begin();
    sink->Write(bytes);
    sink->Sync();
    sink->Publish();
}

void KeepRest(JournalStore& store, JournalReader& reader) {
    const std::unique_ptr<JournalSink> sink = store.Begin();
    reader.WriteRest(*sink);
    sink->Sync();
    reader.Close();
    sink->Publish();
}

RunDescription DescribeRun(std::string target, std::string pattern, bool listed, std::int64_t count,
                           char separator) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    RunDescription run;
    run.target = std::move(target);
    run.pattern = std::move(pattern);
    run.listed = listed;
    run.count = count;
    run.time = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    run.separator = separator;
    run.id = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    try {
        std::random_device random;
        run.id ^= (std::uint64_t{random()} << 32) ^ random();
    } catch (const std::exception&) {
        // The time alone, to the nanosecond, then tells the runs apart.
    }
    return run;
}

}  // namespace quire
