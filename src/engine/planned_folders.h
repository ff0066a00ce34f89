// The folders a dry run has counted as created, so that the same folder again, or a folder inside
// one of them, is foreseen as the real run would meet it: skipped, or made in a folder that will
// be there by then.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/fingerprint_set.h"

namespace quire {

// Holds a 64-bit fingerprint of each path, not the path: 11 to 22 bytes a folder. Paths are
// compared as the system names folders: a run of separators is one, separators at the end are
// none, and with '\' as the separator '/' is one too and letters A-Z are the same as a-z.
class PlannedFolders {
public:
    explicit PlannedFolders(char separator) : separator_(separator) {}

    void Add(std::string_view path);
    bool Contains(std::string_view path) const;
    bool ContainsParentOf(std::string_view path) const;
    // Forgets every folder; the room stays, at a cost of the most folders it held at once.
    void Clear();

private:
    std::uint64_t Fingerprint(std::string_view path) const;

    char separator_;
    FingerprintSet fingerprints_;
};

}  // namespace quire
