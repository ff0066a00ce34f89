// The shell's item ID lists: the identity of a folder that is handed over as data, never as text
// the shell would read again.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "platform/win32/win32_handles.h"

namespace quire::win32 {

// The item of the folder at the absolute path `path`, or null when the shell finds none.
ItemList ItemOfFolder(const std::wstring& path);

// The file-system path of `item`, however long; the empty text when it has none.
std::string PathOfItem(PCIDLIST_ABSOLUTE item);

}  // namespace quire::win32
