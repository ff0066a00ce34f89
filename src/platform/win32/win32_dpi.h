// The resolution of the monitor a window is on and the system's sizes at a resolution, through the
// per-monitor calls where Windows has them and through the screen's resolution elsewhere.
#pragma once

#include <windows.h>

namespace quire::win32 {

inline constexpr int kDesignDpi = 96;

// The window's dots per inch: its monitor's, or the screen's before Windows 10 (1607).
int WindowDpi(HWND window);

// GetSystemMetrics at `dpi`.
int SystemMetricForDpi(int index, int dpi);

// The outer rectangle of a window of that style whose client area is `width` by `height` at `dpi`,
// its client area at the origin.
RECT OuterRectForDpi(int width, int height, DWORD style, DWORD exStyle, int dpi);

// The system's font of dialogs and message boxes at `dpi`.
LOGFONTW MessageFontForDpi(int dpi);

// Keeps Windows from rescaling a dialog that lays itself out anew at every change of resolution
// (where Windows would, from 10 1703 on).
void LeaveDialogLayoutToIt(HWND dialog);

}  // namespace quire::win32
