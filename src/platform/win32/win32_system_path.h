// A path as the Win32 calls receive it, long paths included.
#pragma once

#include <string>

namespace quire::win32 {

// `path` in UTF-16 with its separators made single (SingleSeparators). A path whose full form is
// too long for the calls without it (248 characters and more, the limit of CreateDirectoryW) is
// given whole, with the \\?\ prefix (\\?\UNC\ for a share); "." and ".." steps in it are resolved
// first, as the system resolves them in a shorter path. Call it only for a path the rules took
// (PathProblem): the prefix turns off the system's reading of names, which the rules stand for.
std::wstring SystemPath(const std::string& path);

}  // namespace quire::win32
