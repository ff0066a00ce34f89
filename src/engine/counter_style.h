// How a folder's counter is spelt in its name: numbers, or letters counted as spreadsheet columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quire {

// Letters count as spreadsheet columns do: 1 A, 26 Z, 27 AA, 702 ZZ, 703 AAA; they have no 0.
enum class CounterStyle { Numbers, CapitalLetters, SmallLetters };

// The lowest counter the style can spell: 0 for numbers, 1 (A) for letters.
std::int32_t LowestCounter(CounterStyle style);

// Appends `counter` as `style` spells it; numbers are padded on the left with zeros to `width`,
// letters never. A counter below the style's lowest is written as a number.
void AppendCounter(std::string& out, std::int32_t counter, CounterStyle style, std::size_t width);

// The counter that `text` spells in `style`, however wide (leading zeros of numbers allowed);
// nothing when it spells none from the style's lowest to 2147483647.
std::optional<std::int32_t> ReadCounter(std::string_view text, CounterStyle style);

}  // namespace quire
