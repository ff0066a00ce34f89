// Folder names made from a pattern that holds one block of counter characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quire {

inline constexpr char kCounterChar = '#';

// Appends to `out` the pattern with its counter block replaced by `counter`, padded on the left
// with zeros to the block's width and never shortened. A pattern without exactly one contiguous
// block of `counterChar` is appended unchanged.
void AppendFolderName(std::string& out, std::string_view pattern, char counterChar,
                      std::int32_t counter);

std::string BuildFolderName(std::string_view pattern, char counterChar, std::int32_t counter);

// True when `counterChar` occurs in the pattern and all its occurrences stand side by side.
bool HasSingleCounterBlock(std::string_view pattern, char counterChar);

}  // namespace quire
