#include "engine/journal_paths.h"

#include <vector>

#include "engine/path_separators.h"

namespace quire {
namespace {

// The root of `path` (what comes before its first name: a drive, the \\ of a network path, the
// \\?\ prefix), whether a separator ends it, and its names; nothing for a "..".
struct PlainPath {
    std::string_view root;
    bool rooted = false;
    std::vector<std::string_view> names;
};

std::optional<PlainPath> Plain(std::string_view path, char separator) {
    const auto isSeparator = [separator](char c) { return IsSeparator(c, separator); };
    PlainPath plain;
    const bool windows = separator == '\\';
    const bool verbatim = windows && path.starts_with("\\\\?\\");
    std::size_t at = 0;
    if (verbatim) {
        at = 4;
    } else if (windows && path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        at = 2;  // a network path: \\server\share
    } else if (windows && path.size() >= 2 && path[1] == ':') {
        at = 2;
        plain.rooted = path.size() > 2 && isSeparator(path[2]);
    } else {
        plain.rooted = !path.empty() && isSeparator(path[0]);
    }
    plain.root = path.substr(0, at);
    while (at < path.size()) {
        std::size_t end = at;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string_view name = path.substr(at, end - at);
        if (name == ".." || (verbatim && name == ".")) return std::nullopt;
        if (!name.empty() && name != ".") plain.names.push_back(name);
        at = end + 1;
    }
    return plain;
}

}  // namespace

std::optional<std::string> PathInside(std::string_view target, std::string_view path,
                                      char separator) {
    const std::optional<PlainPath> folder = Plain(target, separator);
    const std::optional<PlainPath> entry = Plain(path, separator);
    if (!folder || !entry || folder->root != entry->root || folder->rooted != entry->rooted ||
        (folder->root.empty() && !folder->rooted) || entry->names.size() <= folder->names.size()) {
        return std::nullopt;
    }
    std::string inside(entry->root);
    if (entry->rooted) inside += separator;
    for (std::size_t i = 0; i < entry->names.size(); ++i) {
        if (i < folder->names.size() && entry->names[i] != folder->names[i]) return std::nullopt;
        if (i > 0) inside += separator;
        inside.append(entry->names[i]);
    }
    return inside;
}

}  // namespace quire
