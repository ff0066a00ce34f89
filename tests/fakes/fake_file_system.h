// An in-memory file system that records every call and fails where a test says.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "engine/file_system.h"

namespace quire::fakes {

class FakeFileSystem final : public FileSystem {
public:
    std::set<std::string> folders;
    std::set<std::string> files;
    std::set<std::string> hiddenFiles;            // exist, but are no plain file
    std::map<std::string, std::string> failures;  // path -> description of a failing creation
    std::function<void(const std::string&)> beforeCreate;
    mutable std::vector<std::string> calls;  // "exists PATH", "create PATH", ...
    std::vector<std::string> created;

    bool FolderExists(const std::string& path) const override {
        calls.push_back("exists " + path);
        return folders.count(path) != 0;
    }

    void CreateFolder(const std::string& path) override {
        calls.push_back("create " + path);
        if (beforeCreate) beforeCreate(path);
        if (const auto it = failures.find(path); it != failures.end()) throw Failure(it->second);
        if (folders.count(path) != 0 || files.count(path) != 0) throw Failure("File exists");
        folders.insert(path);
        created.push_back(path);
    }

    bool PathExists(const std::string& path) const override {
        calls.push_back("path " + path);
        return folders.count(path) != 0 || files.count(path) != 0 || hiddenFiles.count(path) != 0;
    }

    bool PlainFileExists(const std::string& path) const override {
        calls.push_back("plain " + path);
        return files.count(path) != 0;
    }
};

}  // namespace quire::fakes
