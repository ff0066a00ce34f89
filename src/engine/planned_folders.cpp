#include "engine/planned_folders.h"

#include <algorithm>

namespace quire {
namespace {

// The end of `path` without the separators that end it.
std::size_t EndOfNames(std::string_view path, char separator) {
    std::size_t end = path.size();
    while (end > 0 && (path[end - 1] == separator || (separator == '\\' && path[end - 1] == '/'))) {
        --end;
    }
    return end;
}

}  // namespace

// FNV-1a over the path as compared, then a final mix so that the low bits pick slots evenly.
std::uint64_t PlannedFolders::Fingerprint(std::string_view path) const {
    const bool windows = separator_ == '\\';
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    bool afterSeparator = false;
    for (std::size_t i = 0, end = EndOfNames(path, separator_); i < end; ++i) {
        char c = path[i];
        const bool separator = c == separator_ || (windows && c == '/');
        if (separator && afterSeparator) continue;
        afterSeparator = separator;
        if (separator) c = separator_;
        if (windows && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    return hash == 0 ? 1 : hash;
}

std::size_t PlannedFolders::SlotOf(std::uint64_t fingerprint) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(fingerprint) & mask;
    while (slots_[slot] != 0 && slots_[slot] != fingerprint) slot = (slot + 1) & mask;
    return slot;
}

void PlannedFolders::Grow() {
    std::vector<std::uint64_t> old(slots_.empty() ? 64 : slots_.size() * 2, 0);
    old.swap(slots_);
    for (const std::uint64_t fingerprint : old) {
        if (fingerprint != 0) slots_[SlotOf(fingerprint)] = fingerprint;
    }
}

void PlannedFolders::Add(std::string_view path) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const std::uint64_t fingerprint = Fingerprint(path);
    const std::size_t slot = SlotOf(fingerprint);
    if (slots_[slot] != 0) return;
    slots_[slot] = fingerprint;
    ++count_;
}

bool PlannedFolders::Contains(std::string_view path) const {
    return count_ != 0 && slots_[SlotOf(Fingerprint(path))] != 0;
}

bool PlannedFolders::ContainsParentOf(std::string_view path) const {
    std::size_t end = EndOfNames(path, separator_);
    while (end > 0 && path[end - 1] != separator_ &&
           !(separator_ == '\\' && path[end - 1] == '/')) {
        --end;
    }
    if (end == 0) return false;
    return Contains(path.substr(0, end));
}

void PlannedFolders::Clear() {
    std::fill(slots_.begin(), slots_.end(), 0);
    count_ = 0;
}

}  // namespace quire
