// The few conventions in which the platforms differ and the core must know.
#pragma once

#include <string_view>

namespace quire {

struct PlatformTraits {
    char pathSeparator;
    std::string_view webOpener;  // program that opens a web address for the start-up draw
};

inline constexpr PlatformTraits kWindowsTraits{'\\', "explorer"};
inline constexpr PlatformTraits kPosixTraits{'/', "xdg-open"};

}  // namespace quire
