#include "engine/planned_folders.h"

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

void PlannedFolders::Add(std::string_view path) { fingerprints_.Insert(Fingerprint(path)); }

bool PlannedFolders::Contains(std::string_view path) const {
    return fingerprints_.Contains(Fingerprint(path));
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

void PlannedFolders::Clear() { fingerprints_.Clear(); }

}  // namespace quire
