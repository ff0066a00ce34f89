// UTF-8, read strictly everywhere the program reads it: no overlong forms, no surrogates, nothing
// past U+10FFFF, so that a name is well formed or not alike for the engine, the tool and the
// windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quire {

struct Utf8Sequence {
    char32_t point = 0;
    std::size_t length = 0;  // 0: no well-formed sequence starts here
};

constexpr bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The sequence that starts at `at`.
Utf8Sequence DecodeUtf8(std::string_view text, std::size_t at = 0);
bool IsUtf8(std::string_view text);

// Writes `point` (at most U+10FFFF) as UTF-8 writes it, a surrogate too, which no strict reader
// takes; gives the bytes written, at most 4.
std::size_t EncodeUtf8(char32_t point, char* out);
void AppendUtf8(std::string& out, char32_t point);

// The length of `text` without an unfinished sequence at its end, which waits for the rest of
// its bytes.
std::size_t CompleteUtf8Length(std::string_view text);
// Where to cut `text` at most `size` bytes in, not inside a sequence.
std::size_t Utf8CutBefore(std::string_view text, std::size_t size);
// The length of well-formed `text` in UTF-16 code units: beyond U+FFFF a character takes two.
std::size_t Utf16Length(std::string_view text);

}  // namespace quire
