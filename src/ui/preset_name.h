// The rules for a preset's name: any text up to 64 characters without control characters,
// unique regardless of case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quire {

inline constexpr std::size_t kLongestPresetName = 64;  // characters, not bytes
inline constexpr std::size_t kMostPresets = 100;

// True when the two names differ at most in the case of their letters (Latin, Greek and
// Cyrillic letters are compared without their case).
bool SameNameInAnyCase(std::string_view a, std::string_view b);
// The menu's order: alphabetical regardless of case.
bool PresetNameOrder(std::string_view a, std::string_view b);

// Why `name` cannot be a new preset's name beside the `existing` ones, or the empty text. A name
// exactly as one of them replaces that one, and is always allowed; `full`: no new one fits.
std::string PresetNameProblem(std::string_view name, const std::vector<std::string>& existing,
                              bool full);

}  // namespace quire
