// The "Presets" submenu of the window's system menu and surface menu: "Save as Preset...", the
// saved presets by name and "Delete Preset...", made anew from the window's list each time it
// opens.
#pragma once

#include <windows.h>

namespace quire {
class Form1;
}

namespace quire::win32 {

// Empties `menu` and puts the entries in as `form`'s list stands now.
void FillPresetsMenu(HMENU menu, const Form1& form);

bool IsPresetsCommand(UINT command);

// Runs an entry of the submenu, its dialogs owned by `owner`.
void RunPresetsCommand(UINT command, Form1& form, HWND owner);

}  // namespace quire::win32
