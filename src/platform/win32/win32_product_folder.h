// The product's own folder among the user's local application data, which holds what is kept
// in files rather than in the registry: the last run's journal and the settings too long for it.
#pragma once

#include <string>

namespace quire::win32 {

// %LOCALAPPDATA% as the environment names it, or the empty text when it names none.
std::wstring LocalApplicationDataFolder();

// %LOCALAPPDATA%\<company>\<product>, or the empty text when the environment names no folder.
std::wstring ProductDataFolder();

// Makes `folder` and every missing folder above it. Throws Failure naming the one that could not
// be made.
void MakeFolderPath(const std::wstring& folder);

}  // namespace quire::win32
