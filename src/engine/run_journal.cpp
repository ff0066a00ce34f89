// The journal's file: a magic line, then records. A record is its kind (one byte), the length of
// its payload (4 bytes), the payload, and a checksum of all three (4 bytes); numbers are little-
// endian. The first record describes the run ('R'); each folder is one 'F' (its identity, then
// its path); 'U' marks it undone.
#include "engine/run_journal.h"

#include <algorithm>
#include <array>
#include <exception>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

namespace quire {
namespace {

constexpr std::string_view kMagic = "QUIREBATCH JOURNAL 1\n";
constexpr std::size_t kLongestRecord = std::size_t{1024} * 1024;
constexpr std::size_t kFraming = 1 + 4 + 4;
constexpr std::size_t kIdentitySize = std::size_t{3} * 8;
constexpr char kRun = 'R';
constexpr char kFolder = 'F';
constexpr char kUndone = 'U';
// Folders handed to the journal's thread that wake it before its time.
constexpr std::size_t kBatch = 1024;
// Folders handed over that the thread has not taken yet, at most.
constexpr std::size_t kMostHanded = 8 * kBatch;

// FNV-1a: a torn or garbled record fails it but for one chance in four billion.
std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t hash = 2166136261U;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619U;
    }
    return hash;
}

void SetNumber(char* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFFU);
}

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
    char encoded[8];
    SetNumber(encoded, value, bytes);
    out.append(encoded, static_cast<std::size_t>(bytes));
}

std::uint64_t GetNumber(std::string_view bytes, std::size_t at, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)])}
                 << (8 * i);
    }
    return value;
}

void PutText(std::string& out, std::string_view text) {
    PutNumber(out, text.size(), 4);
    out.append(text);
}

// Starts a record of `kind`, whose length is set when it is closed; gives where it starts.
std::size_t OpenRecord(std::string& out, char kind) {
    const std::size_t start = out.size();
    out += kind;
    out.append(4, '\0');
    return start;
}

void CloseRecord(std::string& out, std::size_t start) {
    SetNumber(&out[start + 1], out.size() - start - 5, 4);
    PutNumber(out, Checksum(std::string_view(out).substr(start)), 4);
}

void AppendRun(std::string& out, const RunDescription& run) {
    const std::size_t start = OpenRecord(out, kRun);
    PutNumber(out, static_cast<std::uint64_t>(run.time), 8);
    PutNumber(out, static_cast<std::uint64_t>(run.count), 8);
    PutNumber(out, run.id, 8);
    out += run.listed ? '\1' : '\0';
    out += run.separator;
    PutText(out, run.target);
    PutText(out, run.pattern);
    CloseRecord(out, start);
}

void AppendFolder(std::string& out, const std::string& path, const FolderIdentity& identity) {
    const std::size_t start = OpenRecord(out, kFolder);
    PutNumber(out, identity.volume, 8);
    PutNumber(out, identity.file, 8);
    PutNumber(out, identity.born, 8);
    out.append(path);
    CloseRecord(out, start);
}

// A run record's payload, or nothing when it does not hold one.
std::optional<RunDescription> ParseRun(std::string_view payload) {
    constexpr std::size_t kFixed = 8 + 8 + 8 + 1 + 1;
    if (payload.size() < kFixed + 4) return std::nullopt;
    RunDescription run;
    run.time = static_cast<std::int64_t>(GetNumber(payload, 0, 8));
    run.count = static_cast<std::int64_t>(GetNumber(payload, 8, 8));
    run.id = GetNumber(payload, 16, 8);
    run.listed = payload[24] != '\0';
    run.separator = payload[25];
    std::size_t at = kFixed;
    for (std::string* text : {&run.target, &run.pattern}) {
        if (payload.size() - at < 4) return std::nullopt;
        const std::uint64_t length = GetNumber(payload, at, 4);
        at += 4;
        if (payload.size() - at < length) return std::nullopt;
        text->assign(payload.substr(at, length));
        at += length;
    }
    if (at != payload.size()) return std::nullopt;
    return run;
}

// Reads records from the source, one whole record at a time.
class RecordReader {
public:
    explicit RecordReader(ByteSource& source) : source_(source) {}

    // The magic line, whole.
    bool ReadMagic() { return Have(kMagic.size()) && Take(kMagic.size()) == kMagic; }

    // The next whole record whose checksum holds, or nothing at the end or at a torn record.
    std::optional<std::pair<char, std::string_view>> Next() {
        if (!Have(kFraming)) return std::nullopt;
        const std::string_view head = std::string_view(buffer_).substr(at_, 5);
        const std::uint64_t length = GetNumber(head, 1, 4);
        if (length > kLongestRecord || !Have(kFraming + length)) return std::nullopt;
        const std::string_view record = Take(kFraming + length);
        const std::string_view body = record.substr(0, 5 + length);
        if (GetNumber(record, 5 + length, 4) != Checksum(body)) return std::nullopt;
        return std::pair{body[0], body.substr(5)};
    }

private:
    // True once `size` bytes are held past the read position, reading on as needed.
    bool Have(std::size_t size) {
        while (buffer_.size() - at_ < size && !atEnd_) {
            if (at_ > 0) {
                buffer_.erase(0, at_);
                at_ = 0;
            }
            std::array<char, std::size_t{64} * 1024> chunk{};
            const std::optional<std::size_t> got = source_.Read(chunk.data(), chunk.size());
            if (!got || *got == 0) {
                atEnd_ = true;
            } else {
                buffer_.append(chunk.data(), *got);
            }
        }
        return buffer_.size() - at_ >= size;
    }

    std::string_view Take(std::size_t size) {
        const std::string_view taken = std::string_view(buffer_).substr(at_, size);
        at_ += size;
        return taken;
    }

    ByteSource& source_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool atEnd_ = false;
};

}  // namespace

JournalWriter::JournalWriter(const FileSystem& files, JournalStore& store,
                             const RunDescription& run, std::function<Clock::time_point()> now)
    : files_(files), store_(store), now_(std::move(now)) {
    held_ = kMagic;
    AppendRun(held_, run);
}

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
        identity = files_.IdentityOf(path);
    } catch (const Failure&) {
        return;  // gone again already: there is nothing undo could remove
    }
    Guarded([&] {
        AppendFolder(held_, path, identity);
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
        Write();
        sink_->Sync();
    });
}

void JournalWriter::Write() {
    sink_->Write(held_);
    held_.clear();
    lastWrite_ = now_();
}

RunJournal::RunJournal(const FileSystem& files, JournalStore& store, const RunDescription& run,
                       std::function<void(const Failure&)> unwritable,
                       std::function<Clock::time_point()> now)
    : writer_(files, store, run, std::move(now)), unwritable_(std::move(unwritable)) {
    try {
        if (std::optional<std::thread> helper = files.StartHelper([this] { Work(); })) {
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
        SetNumber(length, path.size(), 4);
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

std::optional<Journal> ReadJournal(JournalStore& store, JournalPart part) {
    const std::unique_ptr<ByteSource> source = store.Open();
    if (!source) return std::nullopt;
    RecordReader reader(*source);
    if (!reader.ReadMagic()) throw Failure("Not a journal of this program");
    const auto first = reader.Next();
    std::optional<RunDescription> run;
    if (first && first->first == kRun) run = ParseRun(first->second);
    if (!run) throw Failure("The journal is damaged: it does not tell which run it is of");
    Journal journal;
    journal.run = std::move(*run);
    while (const auto record = reader.Next()) {
        const auto& [kind, payload] = *record;
        if (kind == kUndone) {
            journal.undone = true;
            continue;
        }
        if (part == JournalPart::RunOnly) break;
        // A record this program does not write: what follows cannot be trusted.
        if (kind != kFolder || payload.size() <= kIdentitySize) break;
        const FolderIdentity identity{GetNumber(payload, 0, 8), GetNumber(payload, 8, 8),
                                      GetNumber(payload, 16, 8)};
        journal.folders.push_back({std::string(payload.substr(kIdentitySize)), identity});
    }
    return journal;
}

namespace {

void Replace(JournalStore& store, std::string_view bytes) {
    const std::unique_ptr<JournalSink> sink = store.Begin();
    sink->Write(bytes);
    sink->Sync();
    sink->Publish();
}

}  // namespace

void MarkUndone(JournalStore& store, const RunDescription& run) {
    std::string bytes(kMagic);
    AppendRun(bytes, run);
    CloseRecord(bytes, OpenRecord(bytes, kUndone));
    Replace(store, bytes);
}

void KeepInJournal(JournalStore& store, const RunDescription& run,
                   const std::vector<const JournalEntry*>& left) {
    std::string bytes(kMagic);
    AppendRun(bytes, run);
    for (const JournalEntry* entry : left) AppendFolder(bytes, entry->path, entry->identity);
    Replace(store, bytes);
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
