// Every pattern and counter gives a name; the name keeps the pattern around a replaced block.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/name_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::int32_t counter = 0;
    std::memcpy(&counter, data, sizeof counter);
    const std::string_view pattern(reinterpret_cast<const char*>(data) + 4, size - 4);

    const std::string name = quire::NamePattern(pattern).Name(counter);
    const bool single = quire::NamePattern(pattern).HasBlock();
    if (!single) {
        if (name != pattern) std::abort();
        return 0;
    }
    const std::size_t first = pattern.find('#');
    const std::size_t width = pattern.rfind('#') - first + 1;
    const std::string digits = std::to_string(counter);
    const std::size_t counterWidth = digits.size() > width ? digits.size() : width;
    if (name.size() != pattern.size() - width + counterWidth) std::abort();
    if (name.compare(0, first, pattern.substr(0, first)) != 0) std::abort();
    if (name.substr(first + counterWidth) != pattern.substr(first + width)) std::abort();
    const std::string block = name.substr(first, counterWidth);
    if (block.substr(block.size() - digits.size()) != digits) std::abort();
    return 0;
}
