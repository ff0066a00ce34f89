// The file system through POSIX calls, for the Linux programs.
#pragma once

#include "engine/file_system.h"

namespace quire {

class PosixFileSystem final : public FileSystem {
public:
    bool FolderExists(const std::string& path) const override;
    void CreateFolder(const std::string& path) override;
    Creation CreateFolderUnlessExists(const std::string& path) override;
    bool PathExists(const std::string& path) const override;
    bool PlainFileExists(const std::string& path) const override;
};

}  // namespace quire
