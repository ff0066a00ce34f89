// The folders made inside every numbered folder: paths given one by one, and a template's tree.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/folder_lookup.h"
#include "engine/path_separators.h"

namespace quire {

// True when `path` has a ".." component, which leads out of the folder it is taken in. The
// separator is `separator`, and '/' as well when that is '\'.
bool HasParentStep(std::string_view path, char separator);

// The subfolders of every numbered folder as relative paths joined by the separator: each once,
// in the order given, every parent before its children.
class Subfolders {
public:
    // A template may not hold more folders than this, nor lie deeper: a tree that a bind mount
    // folds into itself ends there instead of running on.
    static constexpr std::size_t kMostFolders = 100'000;
    static constexpr std::size_t kDeepest = 64;

    explicit Subfolders(char separator) : separator_(separator) {}

    // Adds `path` and each folder on the way to it, empty and "." steps left out. The empty text
    // when it was added; otherwise why not: a path that names no folder, an absolute path or one
    // with "..", which would lead out of the numbered folder.
    std::string Add(std::string_view path);

    // Adds every folder below the folder at `root`, by name in byte order, each before what it
    // holds; links are not followed. Throws Failure, its text led by the path it is about, when a
    // folder of the tree cannot be read, or when the tree is larger or deeper than the limits.
    void AddTree(const FolderLookup& files, const std::string& root);

    const std::vector<std::string>& Paths() const { return paths_; }

private:
    bool IsSeparator(char c) const { return quire::IsSeparator(c, separator_); }
    void AddOne(const std::string& path);

    char separator_;
    std::vector<std::string> paths_;
    std::set<std::string> known_;
};

}  // namespace quire
