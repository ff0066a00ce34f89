#include "engine/missing_target.h"

#include <algorithm>
#include <optional>

#include "engine/path_separators.h"

namespace quire {
namespace {

// Where the path of the folder holding `path` ends: a root keeps its separator ("/", "C:\"), a
// name after a drive alone ("C:x") is held by the drive's current folder ("C:"), and 0 is the
// current folder. Nothing for a root itself.
std::optional<std::size_t> ParentEnd(std::string_view path, char separator) {
    const auto isSeparator = [separator](char c) { return IsSeparator(c, separator); };
    const bool drive = separator == '\\' && path.size() >= 2 && path[1] == ':';
    std::size_t end = path.size();
    while (end > 0 && isSeparator(path[end - 1])) --end;
    if (end == 0 || (drive && end == 2)) return std::nullopt;
    std::size_t at = end;
    while (at > 0 && !isSeparator(path[at - 1])) --at;
    if (at == 0) return drive ? std::optional<std::size_t>(2) : std::optional<std::size_t>(0);
    while (at > 1 && isSeparator(path[at - 2])) --at;
    if (at == 1 || (drive && at == 3)) return at;  // the root, with its separator
    return at - 1;
}

}  // namespace

MissingTarget FindMissingTarget(const FolderLookup& files, std::string_view target,
                                char separator) {
    MissingTarget found;
    if (target.empty()) return found;
    std::string path(target);
    // Made as mkdir -p makes it, without the separators at its end, unless it is a root.
    if (ParentEnd(path, separator)) {
        while (path.size() > 1 && IsSeparator(path.back(), separator)) {
            path.pop_back();
        }
    }
    for (;;) {
        if (files.FolderExists(path)) {
            found.existing = path;
            break;
        }
        if (files.PathExists(path)) throw Failure(files.FolderProblem(path));
        const std::optional<std::size_t> parent = ParentEnd(path, separator);
        if (!parent) {
            found.existing = path;  // a root that is not there: its folders fail to be made
            break;
        }
        found.missing.push_back(path);
        path.resize(*parent);
        if (path.empty()) break;
    }
    std::reverse(found.missing.begin(), found.missing.end());
    return found;
}

}  // namespace quire
