// Counter-block substitution: the block is found once, the digits are written straight into the
// name.
#include "engine/name_pattern.h"

#include <algorithm>
#include <charconv>

namespace quire {
namespace {

struct CounterBlock {
    std::size_t first = std::string_view::npos;
    std::size_t count = 0;
    bool contiguous() const { return count > 0; }
};

// The block's start and width, or an empty block when the counter characters are absent or split.
CounterBlock FindCounterBlock(std::string_view pattern, char counterChar) {
    const std::size_t first = pattern.find(counterChar);
    if (first == std::string_view::npos) return {};
    const std::size_t last = pattern.rfind(counterChar);
    const auto n = static_cast<std::size_t>(
        std::count(pattern.begin() + static_cast<std::ptrdiff_t>(first),
                   pattern.begin() + static_cast<std::ptrdiff_t>(last) + 1, counterChar));
    if (last - first + 1 != n) return {};
    return {first, n};
}

}  // namespace

void AppendFolderName(std::string& out, std::string_view pattern, char counterChar,
                      std::int32_t counter) {
    const CounterBlock block = FindCounterBlock(pattern, counterChar);
    if (!block.contiguous()) {
        out.append(pattern);
        return;
    }
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), counter).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    out.append(pattern.substr(0, block.first));
    if (length < block.count) out.append(block.count - length, '0');
    out.append(digits, length);
    out.append(pattern.substr(block.first + block.count));
}

std::string BuildFolderName(std::string_view pattern, char counterChar, std::int32_t counter) {
    std::string name;
    name.reserve(pattern.size() + 11);
    AppendFolderName(name, pattern, counterChar, counter);
    return name;
}

bool HasSingleCounterBlock(std::string_view pattern, char counterChar) {
    return FindCounterBlock(pattern, counterChar).contiguous();
}

}  // namespace quire
