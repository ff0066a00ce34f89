// Resource ids shared by the resource script and the code.
#pragma once

#define QUIRE_APPLICATION_ICON 1

#ifdef __cplusplus
namespace quire::win32 {
inline constexpr int kApplicationIcon = QUIRE_APPLICATION_ICON;
}  // namespace quire::win32
#endif
