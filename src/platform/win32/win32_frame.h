// The frame (group box) control: an etched border with its caption in the top edge, drawn by us so
// that its face, caption colour and font follow the window's design and skin on every Windows
// version. Colours come from the parent through WM_CTLCOLORSTATIC, as with a static control.
#pragma once

#include <windows.h>

namespace quire::win32 {

inline constexpr wchar_t kFrameClass[] = L"QuireBatchFrame";

// Registers the class once per process.
void RegisterFrameClass(HINSTANCE instance);

}  // namespace quire::win32
