// The file system through the Unicode Win32 calls, so that every name the user types is created
// exactly (the ANSI calls would turn characters outside the code page into "?").
#pragma once

#include "engine/file_system.h"

namespace quire::win32 {

class Win32FileSystem final : public FileSystem {
public:
    bool FolderExists(const std::string& path) const override;
    void CreateFolder(const std::string& path) override;
    Creation CreateFolderUnlessExists(const std::string& path) override;
    bool PathExists(const std::string& path) const override;
    bool PlainFileExists(const std::string& path) const override;
};

}  // namespace quire::win32
