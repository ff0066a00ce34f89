// What the program needs of the file system.
#pragma once

#include <string>

namespace quire {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when `path` names a folder. A path that is missing, names a file or cannot be examined
    // gives false; this never throws.
    virtual bool FolderExists(const std::string& path) const = 0;

    // Creates exactly the last component of `path`. Throws Failure with the platform's description
    // when the path exists, its parent is missing, the name is refused or access is denied.
    virtual void CreateFolder(const std::string& path) = 0;

    enum class Creation { Created, Existed };

    // Creates the folder unless one exists at `path` already; what the run does for every folder.
    // Throws Failure as CreateFolder does. Platforms may attempt the creation first and look only
    // when it fails: the outcome is the same, with one call instead of two for a new folder.
    virtual Creation CreateFolderUnlessExists(const std::string& path) {
        if (FolderExists(path)) return Creation::Existed;
        CreateFolder(path);
        return Creation::Created;
    }

    // True when the platform can read the modification time of the file or folder at `path`.
    // Never throws.
    virtual bool PathExists(const std::string& path) const = 0;

    // True when an ordinary file (not a folder, not hidden, not a system file) stands at exactly
    // `path`. Never throws.
    virtual bool PlainFileExists(const std::string& path) const = 0;
};

}  // namespace quire
