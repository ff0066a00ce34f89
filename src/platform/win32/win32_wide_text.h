// UTF-8 (the core's text) to UTF-16 (the W functions' text) and back.
#pragma once

#include <string>
#include <string_view>

namespace quire::win32 {

// Ill-formed UTF-8 becomes U+FFFD instead of failing: a text the user typed is never refused here.
std::wstring Wide(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string Utf8(std::wstring_view utf16);

}  // namespace quire::win32
