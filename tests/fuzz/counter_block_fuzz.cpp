// The block test agrees with the plain reading: at least one '#', and every '#' next to the last.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/name_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pattern(reinterpret_cast<const char*>(data), size);
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '#') positions.push_back(i);
    }
    bool expected = !positions.empty();
    for (std::size_t i = 1; i < positions.size(); ++i) {
        if (positions[i] - positions[i - 1] != 1) expected = false;
    }
    if (quire::NamePattern(pattern).HasBlock() != expected) std::abort();
    return 0;
}
