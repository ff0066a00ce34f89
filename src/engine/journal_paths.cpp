#include "engine/journal_paths.h"

#include <vector>

namespace quire {
namespace {

// The root of `path` (what comes before its first name) and its names, or nothing for a "..".
struct PlainPath {
    std::string root;
    std::vector<std::string_view> names;
};

std::optional<PlainPath> Plain(std::string_view path, char separator) {
    const auto isSeparator = [separator](char c) {
        return c == separator || (separator == '\\' && c == '/');
    };
    PlainPath plain;
    const bool verbatim = separator == '\\' && path.starts_with("\\\\?\\");
    std::size_t at = 0;
    if (verbatim) {
        plain.root = "\\\\?\\";
        at = 4;
    } else if (separator == '\\' && path.size() >= 2 && isSeparator(path[0]) &&
               isSeparator(path[1])) {
        plain.root = "\\\\";  // a network path: \\server\share
        at = 2;
    } else if (separator == '\\' && path.size() >= 2 && path[1] == ':') {
        plain.root = path.substr(0, 2);
        at = 2;
        if (path.size() > 2 && isSeparator(path[2])) plain.root += '\\';
    } else if (!path.empty() && isSeparator(path[0])) {
        plain.root = std::string(1, separator);
    }
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
    if (!folder || !entry || folder->root != entry->root || folder->root.empty() ||
        entry->names.size() <= folder->names.size()) {
        return std::nullopt;
    }
    std::string inside = entry->root;
    for (std::size_t i = 0; i < entry->names.size(); ++i) {
        if (i < folder->names.size() && entry->names[i] != folder->names[i]) return std::nullopt;
        if (i > 0) inside += separator;
        inside.append(entry->names[i]);
    }
    return inside;
}

}  // namespace quire
