// Resource ids shared by the resource script and the code.
#pragma once

#define QUIRE_APPLICATION_ICON 1
#define QUIRE_SMALL_ICON 2  // the title bar's, from 32-bit images only

#ifdef __cplusplus
namespace quire::win32 {
inline constexpr int kApplicationIcon = QUIRE_APPLICATION_ICON;
inline constexpr int kSmallIcon = QUIRE_SMALL_ICON;
}  // namespace quire::win32
#endif
