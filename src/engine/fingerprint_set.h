// A set of 64-bit fingerprints kept in little room, for bookkeeping that must not grow with the
// length of what it fingerprints.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quire {

// Fingerprints are FNV-1a over their bytes, step by step, then mixed so that every bit counts.
constexpr std::uint64_t kFingerprintStart = 0xcbf29ce484222325ULL;
constexpr std::uint64_t FingerprintStep(std::uint64_t hash, unsigned char byte) {
    return (hash ^ byte) * 0x100000001b3ULL;
}
// Never 0, which marks a free slot.
constexpr std::uint64_t FingerprintEnd(std::uint64_t hash) {
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    return hash == 0 ? 1 : hash;
}
constexpr std::uint64_t FingerprintOf(std::string_view bytes) {
    std::uint64_t hash = kFingerprintStart;
    for (const char byte : bytes) hash = FingerprintStep(hash, static_cast<unsigned char>(byte));
    return FingerprintEnd(hash);
}

// Open addressing with linear probing, at most three quarters full: 8 / 0.75 to 8 / 0.375, that
// is 11 to 22 bytes a fingerprint. The table is split in 256 parts by a fingerprint's top byte,
// each growing on its own, so that a growth holds the old and the new room of one part only, not
// of the whole. Fingerprints must be well mixed and never 0.
class FingerprintSet {
public:
    void Insert(std::uint64_t fingerprint);
    std::size_t Size() const { return count_; }
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
