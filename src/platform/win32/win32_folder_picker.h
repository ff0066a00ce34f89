// The shell's folder-browse dialog (SHBrowseForFolderW), modal to the owner window.
#pragma once

#include <windows.h>

#include <string>

namespace quire::win32 {

// Shows the dialog with `title` above the tree and, when `initialFolder` is not empty, that folder
// selected. Gives the confirmed folder's path (a root keeps its backslash), or the empty text on
// cancel or when the confirmed item has no file-system path.
std::string PickFolder(HWND owner, const std::string& title, const std::string& initialFolder);

}  // namespace quire::win32
