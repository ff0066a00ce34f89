// Port: what stands at a path, and which folders are inside one; for the checks of a target and
// the walks over a folder's subfolders. Implemented by PosixFileSystem (platform/posix) and
// Win32FileSystem (platform/win32); tests use FakeFileSystem.
#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"

namespace quire {

class FolderLookup {
public:
    virtual ~FolderLookup() = default;

    // True when `path` names a folder. A path that is missing, names a file or cannot be examined
    // gives false; this never throws.
    virtual bool FolderExists(const std::string& path) const = 0;

    // Why `path` names no folder, in the platform's words ("No such file or directory", "Not a
    // directory", ...); the empty text when it does. Never throws.
    virtual std::string FolderProblem(const std::string& path) const {
        return FolderExists(path) ? std::string() : std::string("No such folder");
    }

    // True when the platform can read the modification time of the file or folder at `path`.
    // Never throws.
    virtual bool PathExists(const std::string& path) const = 0;

    // The names of the folders directly inside the folder at `path`, in no particular order; links
    // and other entries that are no folder of their own are left out, so that a walk over them
    // never leaves the tree. Throws Failure when the folder cannot be read.
    virtual std::vector<std::string> SubfolderNames(const std::string& path) const = 0;
};

}  // namespace quire
