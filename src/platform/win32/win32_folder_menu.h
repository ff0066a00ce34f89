// "Create numbered folders here" in Explorer's menu of a folder and of a folder's background, for
// the user alone (HKEY_CURRENT_USER\Software\Classes): the program started with the folder.
#pragma once

#include <string>

namespace quire::win32 {

// The key under Software\Classes\Directory\shell and ...\Directory\Background\shell.
inline constexpr wchar_t kFolderMenuKey[] = L"QuillmarkQuireBatch";
inline constexpr wchar_t kFolderMenuText[] = L"Create numbered folders here";

// Adds the entry for `program` (its full path); throws Failure when a key cannot be written.
void RegisterFolderMenu(const std::wstring& program);

// Takes the entry away; an entry that is not there is no failure.
void UnregisterFolderMenu();

}  // namespace quire::win32
