// Counters written and read back in each style.
#include "engine/counter_style.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quire {
namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

char FirstLetter(CounterStyle style) { return style == CounterStyle::SmallLetters ? 'a' : 'A'; }

}  // namespace

std::int32_t LowestCounter(CounterStyle style) { return style == CounterStyle::Numbers ? 0 : 1; }

void AppendCounter(std::string& out, std::int32_t counter, CounterStyle style, std::size_t width) {
    char text[16];
    char* end = text;
    if (style == CounterStyle::Numbers || counter < 1) {
        end = std::to_chars(std::begin(text), std::end(text), counter).ptr;
        const auto length = static_cast<std::size_t>(end - text);
        if (length < width) out.append(width - length, '0');
    } else {
        // Bijective base 26: each letter is a digit from 1 to 26, so that no letter stands for 0.
        for (std::int64_t rest = counter; rest > 0; rest = (rest - 1) / 26) {
            *end++ = static_cast<char>(FirstLetter(style) + (rest - 1) % 26);
        }
        std::reverse(text, end);
    }
    out.append(text, static_cast<std::size_t>(end - text));
}

std::optional<std::int32_t> ReadCounter(std::string_view text, CounterStyle style) {
    if (text.empty()) return std::nullopt;
    const bool numbers = style == CounterStyle::Numbers;
    const char first = numbers ? '0' : FirstLetter(style);
    const int base = numbers ? 10 : 26;
    const int offset = numbers ? 0 : 1;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < first || c >= first + base) return std::nullopt;
        value = value * base + (c - first) + offset;
        if (value > kLargest) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace quire
