// A box of lines (a multi-line EDIT) that may be given a million of them, pasted or set, and
// keeps its dialog answering meanwhile: a long text goes in piece by piece between the window's
// messages, the box read-only until it is all in.
#pragma once

#include <windows.h>

#include <string>

namespace quire::win32 {

// Turns a multi-line EDIT into a box of lines: no length limit of the edit's own (which would cut
// a pasted list at 30,000 characters), and pastes taken in pieces.
void MakeLinesBox(HWND box);

// The whole text, what is still on its way in included.
std::wstring LinesBoxText(HWND box);

// Replaces the whole text, at once when it is short, else piece by piece.
void SetLinesBoxText(HWND box, std::wstring text);

}  // namespace quire::win32
