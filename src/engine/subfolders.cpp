#include "engine/subfolders.h"

#include <algorithm>
#include <utility>

#include "engine/path_separators.h"

namespace quire {

bool HasParentStep(std::string_view path, char separator) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        const bool end = i == path.size() || IsSeparator(path[i], separator);
        if (!end) continue;
        if (path.substr(begin, i - begin) == "..") return true;
        begin = i + 1;
    }
    return false;
}

std::string Subfolders::Add(std::string_view path) {
    const bool drive = separator_ == '\\' && path.size() >= 2 && path[1] == ':';
    if ((!path.empty() && IsSeparator(path[0])) || drive) {
        return "an absolute path would lead out of the numbered folder";
    }
    if (HasParentStep(path, separator_)) {
        return "a \"..\" in it would lead out of the numbered folder";
    }
    std::string joined;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i])) continue;
        const std::string_view name = path.substr(begin, i - begin);
        begin = i + 1;
        if (name.empty() || name == ".") continue;
        if (!joined.empty()) joined += separator_;
        joined.append(name);
        AddOne(joined);
    }
    return joined.empty() ? "it names no folder" : std::string();
}

void Subfolders::AddOne(const std::string& path) {
    if (known_.insert(path).second) paths_.push_back(path);
}

// Depth first with a stack of its own, so that a deep tree costs no call depth.
void Subfolders::AddTree(const FolderLookup& files, const std::string& root) {
    struct Pending {
        std::string relative;
        std::size_t depth;
    };
    std::vector<Pending> pending{{std::string(), 0}};
    std::size_t found = 0;
    while (!pending.empty()) {
        Pending folder = std::move(pending.back());
        pending.pop_back();
        if (!folder.relative.empty()) AddOne(folder.relative);
        std::string path = root;
        if (!folder.relative.empty()) (path += separator_) += folder.relative;
        std::vector<std::string> names;
        try {
            names = files.SubfolderNames(path);
        } catch (const Failure& failure) {
            throw Failure(path + ": " + failure.what());
        }
        if (names.empty()) continue;
        found += names.size();
        if (found > kMostFolders) {
            throw Failure(root + ": holds more than " + std::to_string(kMostFolders) + " folders");
        }
        if (folder.depth + 1 > kDeepest) {
            throw Failure(root + ": is more than " + std::to_string(kDeepest) + " folders deep");
        }
        std::sort(names.begin(), names.end(), std::greater<>());
        for (std::string& name : names) {
            std::string relative = folder.relative;
            if (!relative.empty()) relative += separator_;
            relative += name;
            pending.push_back({std::move(relative), folder.depth + 1});
        }
    }
}

}  // namespace quire
