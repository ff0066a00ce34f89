// A set of 64-bit fingerprints kept in little room, for bookkeeping that must not grow with the
// length of what it fingerprints.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quire {

// Open addressing with linear probing, at most three quarters full: 8 / 0.75 to 8 / 0.375, that
// is 11 to 22 bytes a fingerprint. The table is split in 256 parts by a fingerprint's top byte,
// each growing on its own, so that a growth holds the old and the new room of one part only, not
// of the whole. Fingerprints must be well mixed and never 0.
class FingerprintSet {
public:
    void Insert(std::uint64_t fingerprint);
    bool Contains(std::uint64_t fingerprint) const;
    // Forgets every fingerprint; the room stays.
    void Clear();

private:
    struct Part {
        std::vector<std::uint64_t> slots;  // 0 is a free slot
        std::size_t count = 0;
    };

    static std::size_t SlotOf(const Part& part, std::uint64_t fingerprint);
    static void Grow(Part& part);

    std::array<Part, 256> parts_;
    std::size_t count_ = 0;
};

}  // namespace quire
