// The user's Path (HKEY_CURRENT_USER\Environment), changed by one whole entry at a time: what the
// installer asks for when it puts the command-line tool's folder on the Path and takes it away.
// The value is read and written whole, in its own type, however long.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace quire::win32 {

// The most characters Windows takes in one environment variable.
inline constexpr std::size_t kLongestEnvironmentValue = 32767;

// True when `entry`, one entry of a Path, names `folder`: quotes around it, separators at its end
// and the variables in it (%USERPROFILE%) do not count, and letters compare as file names do.
bool NamesFolder(std::wstring_view entry, std::wstring_view folder);

// `path` with `folder` as an entry of its own at the end; nothing when an entry names it already.
std::optional<std::wstring> WithEntry(std::wstring_view path, std::wstring_view folder);

// `path` without the last entry that names `folder`, and without the one separator that went
// with it, every other entry kept as it stands; nothing when no entry names it.
std::optional<std::wstring> WithoutEntry(std::wstring_view path, std::wstring_view folder);

enum class PathEdit {
    Add,
    Remove,
    // Removes the entry that an Add made along with the value itself (PathChange::Made): a value
    // left empty is deleted, so that the user has no Path value again, as before the Add.
    RemoveMade,
};
enum class PathChange { Changed, Made, AlreadySo };  // Made: there was no value, now there is

// Adds or removes the entry of `folder` in the Path value of the open key `environment`, keeping
// the value's type (REG_EXPAND_SZ or REG_SZ; a new value is REG_EXPAND_SZ). Throws Failure, and
// writes nothing, when the value cannot be read, is of another type, or would grow longer than
// Windows takes.
PathChange ChangeUserPath(HKEY environment, PathEdit edit, std::wstring_view folder);

}  // namespace quire::win32
