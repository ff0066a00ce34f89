#include "engine/journal_reader.h"

#include <algorithm>
#include <optional>

namespace quire {
namespace {

using namespace records;

constexpr std::size_t kPiece = std::size_t{1024} * 1024;

// Reads exactly `size` bytes at `offset`, or fewer at the end.
std::size_t ReadFully(JournalFile& file, std::uint64_t offset, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const std::size_t now = file.ReadAt(offset + got, buffer + got, size - got);
        if (now == 0) break;
        got += now;
    }
    return got;
}

// The journal's records from the start, each whole, read in pieces: one read a record would cost
// as much as the undo's removals.
class ForwardRecords {
public:
    explicit ForwardRecords(JournalFile& file) : file_(file) {}

    // The `size` bytes at the position reached, or fewer at the end.
    std::string_view Bytes(std::size_t size) {
        if (at_ + size > pieceStart_ + piece_.size()) {
            piece_.resize(std::max(kPiece, size));
            piece_.resize(ReadFully(file_, at_, piece_.data(), piece_.size()));
            pieceStart_ = at_;
        }
        const std::size_t from = static_cast<std::size_t>(at_ - pieceStart_);
        return std::string_view(piece_).substr(from, size);
    }

    // The next whole record, or nothing at the end or at a torn one.
    std::optional<std::pair<char, std::string_view>> Next() {
        const std::string_view head = Bytes(kHead);
        if (head.size() < kHead) return std::nullopt;
        const std::size_t size = RecordSize(head);
        if (size > kLongestRecord + kHead + kTail) return std::nullopt;
        const std::string_view bytes = Bytes(size);
        if (bytes.size() < size) return std::nullopt;
        const auto record = ParseRecord(bytes);
        if (record) at_ += size;
        return record;
    }

    std::uint64_t At() const { return at_; }
    void Skip(std::uint64_t size) { at_ += size; }

private:
    JournalFile& file_;
    std::string piece_;  // bytes of the file from pieceStart_
    std::uint64_t pieceStart_ = 0;
    std::uint64_t at_ = 0;
};

bool FullPath(const RunDescription& run) {
    const std::string& target = run.target;
    if (run.separator == '/') return target.starts_with('/');
    return target.starts_with("\\\\") ||
           (target.size() >= 3 && target[1] == ':' && (target[2] == '\\' || target[2] == '/'));
}

}  // namespace

JournalReader::JournalReader(std::unique_ptr<JournalFile> file) : file_(std::move(file)) {
    ForwardRecords records(*file_);
    const std::string_view magic = records.Bytes(kMagic.size());
    if (magic == kFirstMagic) {
        throw Failure(
            "The journal was written by an earlier version of this program, which did not record "
            "what undo now checks (the run's end, its full target); this version does not undo it");
    }
    if (magic != kMagic) throw Failure("Not a journal of this program");
    records.Skip(kMagic.size());
    const auto first = records.Next();
    std::optional<RunDescription> run;
    if (first && first->first == kRun) run = ParseRun(first->second);
    if (!run) throw Failure("The journal is damaged: it does not tell which run it is of");
    if (!FullPath(*run)) throw Failure("The journal is damaged: its target is not a full path");
    run_ = std::move(*run);
    foldersStart_ = back_ = records.At();
    // Folders, then the end, with the undone mark anywhere: what follows another record, or a
    // folder after the end, cannot be trusted.
    while (const auto record = records.Next()) {
        const auto& [kind, payload] = *record;
        if (kind == kUndone) {
            undone_ = true;
        } else if (kind == kEnd && payload.size() == 8 && !finished_) {
            finished_ = true;
            end_ = GetNumber(payload, 0, 8);
        } else if (kind != kFolder || finished_ || undone_ || !ParseFolder(payload)) {
            break;
        } else {
            ++folders_;
            back_ = records.At();
        }
    }
}

std::string_view JournalReader::Held(std::uint64_t from, std::uint64_t to) {
    if (from < pieceStart_ || to > pieceStart_ + piece_.size()) {
        const std::uint64_t start =
            to -
            std::min<std::uint64_t>(to - foldersStart_, std::max<std::uint64_t>(kPiece, to - from));
        piece_.resize(static_cast<std::size_t>(to - start));
        if (ReadFully(*file_, start, piece_.data(), piece_.size()) != piece_.size()) {
            throw Failure("The journal changed while it was read");
        }
        pieceStart_ = start;
    }
    return std::string_view(piece_).substr(static_cast<std::size_t>(from - pieceStart_),
                                           static_cast<std::size_t>(to - from));
}

bool JournalReader::Previous(JournalEntry& entry) {
    if (back_ <= foldersStart_) return false;
    const std::string_view tail = Held(back_ - kTail, back_);
    const std::uint64_t size = kHead + GetNumber(tail, 0, 4) + kTail;
    const auto record =
        size <= back_ - foldersStart_ ? ParseRecord(Held(back_ - size, back_)) : std::nullopt;
    std::optional<JournalEntry> folder;
    if (record && record->first == kFolder) folder = ParseFolder(record->second);
    if (!folder) throw Failure("The journal changed while it was read");
    entry = std::move(*folder);
    back_ -= size;
    return true;
}

void JournalReader::WriteRest(JournalSink& sink) {
    std::string bytes(kMagic);
    AppendRun(bytes, run_);
    sink.Write(bytes);
    for (std::uint64_t at = foldersStart_; at < back_;) {
        const std::uint64_t to = std::min<std::uint64_t>(back_, at + kPiece);
        sink.Write(Held(at, to));
        at = to;
    }
    bytes.clear();
    if (finished_) AppendEnd(bytes, end_);
    sink.Write(bytes);
}

}  // namespace quire
