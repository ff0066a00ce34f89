#include "engine/fingerprint_set.h"

#include <algorithm>

namespace quire {

std::size_t FingerprintSet::SlotOf(const Part& part, std::uint64_t fingerprint) {
    const std::size_t mask = part.slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>(fingerprint) & mask;
    while (part.slots[slot] != 0 && part.slots[slot] != fingerprint) slot = (slot + 1) & mask;
    return slot;
}

void FingerprintSet::Grow(Part& part) {
    std::vector<std::uint64_t> old(part.slots.empty() ? 16 : part.slots.size() * 2, 0);
    old.swap(part.slots);
    for (const std::uint64_t fingerprint : old) {
        if (fingerprint != 0) part.slots[SlotOf(part, fingerprint)] = fingerprint;
    }
}

void FingerprintSet::Insert(std::uint64_t fingerprint) {
    Part& part = parts_[fingerprint >> 56];
    if ((part.count + 1) * 4 > part.slots.size() * 3) Grow(part);
    const std::size_t slot = SlotOf(part, fingerprint);
    if (part.slots[slot] != 0) return;
    part.slots[slot] = fingerprint;
    ++part.count;
    ++count_;
}

bool FingerprintSet::Contains(std::uint64_t fingerprint) const {
    const Part& part = parts_[fingerprint >> 56];
    return part.count != 0 && part.slots[SlotOf(part, fingerprint)] != 0;
}

void FingerprintSet::Clear() {
    if (count_ == 0) return;
    for (Part& part : parts_) {
        if (part.count == 0) continue;
        std::fill(part.slots.begin(), part.slots.end(), 0);
        part.count = 0;
    }
    count_ = 0;
}

}  // namespace quire
