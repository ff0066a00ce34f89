// An in-memory file system that records every call and fails where a test says.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "engine/file_ports.h"

namespace quire::fakes {

class FakeFileSystem final : public FolderLookup,
                             public FolderCreation,
                             public CreationForecast,
                             public EntryListing,
                             public FolderIdentities,
                             public FolderRemoval,
                             public SmallFiles,
                             public FolderCopy {
public:
    std::set<std::string> folders;
    std::set<std::string> files;
    std::set<std::string> hiddenFiles;            // exist, but are no plain file
    std::map<std::string, std::string> failures;  // path -> description of a failing creation
    std::map<std::string, std::string> contents;  // ordinary files that can be read, by path
    std::set<std::string> unreadable;             // folders whose listing fails
    bool parentsMustExist = false;  // a creation in a missing folder fails, as on a disk
    std::set<std::string> links;    // entries that are links, to anything
    std::map<std::string, std::uint64_t> inodes;  // each folder's identity; new ones get the next
    std::uint64_t nextInode = 100;
    std::function<void(const std::string&)> beforeCreate;
    mutable std::vector<std::string> calls;  // "exists PATH", "create PATH", ...
    std::vector<std::string> created;

    std::set<std::string> readOnly;  // folders in which nothing can be made

    bool CanCreateIn(const std::string& path) const override {
        return FolderExists(path) && readOnly.count(path) == 0;
    }

    // The copy takes the folders and files below `original` along, under `copy`.
    void CopyFolder(const std::string& original, const std::string& copy) override {
        calls.push_back("copy " + original + " " + copy);
        if (const auto it = failures.find(copy); it != failures.end()) throw Failure(it->second);
        const auto below = [&](const std::set<std::string>& entries) {
            std::set<std::string> copied;
            for (const std::string& entry : entries) {
                if (entry.size() > original.size() && entry.starts_with(original)) {
                    copied.insert(copy + entry.substr(original.size()));
                }
            }
            return copied;
        };
        const std::set<std::string> copiedFolders = below(folders);
        const std::set<std::string> copiedFiles = below(files);
        folders.insert(copy);
        folders.insert(copiedFolders.begin(), copiedFolders.end());
        files.insert(copiedFiles.begin(), copiedFiles.end());
    }

    // A folder is named with or without its trailing separators, as by the system.
    bool FolderExists(const std::string& path) const override {
        calls.push_back("exists " + path);
        std::string folder = path;
        while (folders.count(folder) == 0 && !folder.empty() &&
               (folder.back() == '\\' || folder.back() == '/')) {
            folder.pop_back();
        }
        return folders.count(folder) != 0;
    }

    std::string ReadSmallFile(const std::string& path, std::size_t limit) const override {
        calls.push_back("read " + path);
        const auto it = contents.find(path);
        if (it == contents.end()) throw Failure("File not found");
        if (it->second.size() > limit) throw Failure("The file is too large");
        return it->second;
    }

    // Looks first, then creates exactly the last name.
    Creation CreateFolderUnlessExists(const std::string& path) override {
        if (FolderExists(path)) return Creation::Existed;
        calls.push_back("create " + path);
        if (beforeCreate) beforeCreate(path);
        if (const auto it = failures.find(path); it != failures.end()) throw Failure(it->second);
        if (folders.count(path) != 0 || files.count(path) != 0) throw Failure("File exists");
        if (parentsMustExist && !ParentIsFolder(path)) throw Failure("No such file or directory");
        folders.insert(path);
        inodes[path] = nextInode++;
        created.push_back(path);
        return Creation::Created;
    }

    FolderIdentity IdentityOfCreated(const std::string& path) const override {
        return IdentityOf(path);
    }
    FolderIdentity IdentityOf(const std::string& path) const override {
        calls.push_back("identity " + path);
        if (folders.count(path) == 0 || links.count(path) != 0) throw Failure("Not a directory");
        const auto it = inodes.find(path);
        return {1, it == inodes.end() ? 0 : it->second};
    }

    // A relative path is taken from `currentFolder`.
    std::string AbsolutePath(const std::string& path) const override {
        if (path.starts_with('/') || path.starts_with('\\') || path.find(':') == 1) return path;
        return currentFolder + "/" + path;
    }
    std::string currentFolder = "/cwd";

    Removal RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                              std::uint64_t madeBy) override {
        calls.push_back("remove " + path);
        const Removal removal = PredictRemoval(path, identity, madeBy, 0);
        if (removal == Removal::Removed) folders.erase(path);
        return removal;
    }

    // Removed, when no more than `removedFirst` entries are inside.
    Removal PredictRemoval(const std::string& path, const FolderIdentity& identity, std::uint64_t,
                           std::size_t removedFirst) const override {
        if (const auto it = failures.find(path); it != failures.end()) throw Failure(it->second);
        if (links.count(path) != 0 || files.count(path) != 0) return Removal::Changed;
        if (folders.count(path) == 0) return Removal::Gone;
        if (IdentityOf(path) != identity) return Removal::Changed;
        std::size_t inside = 0;
        for (const auto* entries : {&folders, &files, &links}) {
            for (const std::string& entry : *entries) {
                if (entry.size() > path.size() + 1 && entry.starts_with(path) &&
                    (entry[path.size()] == '/' || entry[path.size()] == '\\') &&
                    entry.find_first_of("/\\", path.size() + 1) == std::string::npos) {
                    ++inside;
                }
            }
        }
        return inside > removedFirst ? Removal::NotEmpty : Removal::Removed;
    }

    // As the creation would go: an existing folder, an entry in the way, a missing parent.
    Creation PredictCreation(const std::string& path) const override {
        calls.push_back("predict " + path);
        if (const auto it = failures.find(path); it != failures.end()) throw Failure(it->second);
        if (FolderExists(path)) return Creation::Existed;
        if (files.count(path) != 0) throw Failure("File exists");
        if (!ParentIsFolder(path)) throw Failure("No such file or directory");
        return Creation::Created;
    }

    // A path without a separator, or one right at its start, has a parent that is always there.
    bool ParentIsFolder(const std::string& path) const {
        const std::size_t separator = path.find_last_of("/\\");
        return separator == std::string::npos || separator == 0 ||
               FolderExists(path.substr(0, separator));
    }

    Creation PredictCreationInPlannedFolder(const std::string& path) const override {
        calls.push_back("predict-planned " + path);
        if (const auto it = failures.find(path); it != failures.end()) throw Failure(it->second);
        return Creation::Created;
    }

    // The folders one level below `path`, by the separator that follows it.
    // A folder is named with or without its trailing separators, as by the system.
    std::vector<std::string> SubfolderNames(const std::string& named) const override {
        calls.push_back("list " + named);
        std::string path = named;
        while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
        if (unreadable.count(path) != 0) throw Failure("Permission denied");
        if (folders.count(path) == 0) throw Failure("No such file or directory");
        std::vector<std::string> names;
        for (const std::string& folder : folders) {
            if (folder.size() <= path.size() + 1 || !folder.starts_with(path) ||
                (folder[path.size()] != '/' && folder[path.size()] != '\\')) {
                continue;
            }
            const std::string rest = folder.substr(path.size() + 1);
            if (rest.find_first_of("/\\") == std::string::npos) names.push_back(rest);
        }
        return names;
    }

    // Every entry one level below `path`; a link counts as a folder where one stands at its path.
    void ListEntries(const std::string& named,
                     const std::function<void(std::string_view, bool)>& each) const override {
        calls.push_back("entries " + named);
        std::string path = named;
        while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
        if (unreadable.count(path) != 0) throw Failure("Permission denied");
        if (folders.count(path) == 0) throw Failure("No such file or directory");
        for (const auto* entries : {&folders, &files, &hiddenFiles}) {
            for (const std::string& entry : *entries) {
                if (entry.size() <= path.size() + 1 || !entry.starts_with(path) ||
                    (entry[path.size()] != '/' && entry[path.size()] != '\\')) {
                    continue;
                }
                const std::string rest = entry.substr(path.size() + 1);
                if (rest.find_first_of("/\\") == std::string::npos) {
                    each(rest, entries == &folders);
                }
            }
        }
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
