#include "platform/win32/win32_paths.h"

#include <algorithm>
#include <vector>

#include "platform/win32/win32_names.h"

namespace quire::win32 {
namespace {

constexpr std::string_view kVerbatimPrefix = "\\\\?\\";

bool IsSeparator(char c, bool verbatim) { return c == '\\' || (!verbatim && c == '/'); }

// The components of `path` from `start` on; a run of separators separates once.
std::vector<std::string_view> Components(std::string_view path, std::size_t start, bool verbatim) {
    std::vector<std::string_view> components;
    std::size_t begin = start;
    for (std::size_t i = start; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i], verbatim)) continue;
        if (i > begin) components.push_back(path.substr(begin, i - begin));
        begin = i + 1;
    }
    return components;
}

bool BeginsWithTwoSeparators(std::string_view path) {
    return path.size() >= 2 && IsSeparator(path[0], false) && IsSeparator(path[1], false);
}

bool IsDrive(std::string_view path) {
    const char letter = static_cast<char>(path.empty() ? 0 : path[0] | 0x20);
    return path.size() >= 2 && letter >= 'a' && letter <= 'z' && path[1] == ':';
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
    }
    return true;
}

// The components that make up the root: a drive or volume, or a share's server and name.
std::size_t RootComponents(std::string_view path, const std::vector<std::string_view>& components,
                           bool verbatim) {
    if (verbatim) {
        return !components.empty() && SameText(components[0], "UNC") ? 3 : 1;
    }
    if (BeginsWithTwoSeparators(path)) return 2;
    return 0;
}

// The text from `at` to the next separator; `at` moves past that separator.
std::string_view NextSegment(std::string_view path, std::size_t& at) {
    const std::size_t end = std::min(path.find_first_of("\\/", at), path.size());
    const std::string_view segment = path.substr(at, end - at);
    at = std::min(end + 1, path.size());
    return segment;
}

std::string NetworkProblem(std::string_view path) {
    if (!BeginsWithTwoSeparators(path) || path.starts_with(kVerbatimPrefix)) return {};
    if (NamesDevice(path)) {
        return "The path names a device (" + std::string(path.substr(0, 4)) + "), not a folder";
    }
    // The server and the share are the first two components, with nothing empty before them.
    std::size_t at = 2;
    const std::string_view server = NextSegment(path, at);
    const std::string_view share = NextSegment(path, at);
    if (server.empty() || share.empty()) {
        return "The path begins with two separators but names no network share "
               "(\\\\server\\share)";
    }
    return {};
}

// Why one component may not stand in a path; `strict` for the name being created, which must be a
// name even where "." and ".." are steps.
std::string ComponentProblem(std::string_view name, bool verbatim, bool strict) {
    if (!verbatim && !strict && (name == "." || name == "..")) return {};
    return NameProblem(name);
}

// Where the components begin: after the \\?\ prefix or a drive's "C:".
std::size_t ComponentsStart(std::string_view path, bool verbatim) {
    return verbatim ? kVerbatimPrefix.size() : IsDrive(path) ? 2 : 0;
}

}  // namespace

// The server part "." or "?" (any separators but the exact \\?\) names the device namespace.
bool NamesDevice(std::string_view path) {
    if (!BeginsWithTwoSeparators(path) || path.starts_with(kVerbatimPrefix)) return false;
    std::size_t at = 2;
    const std::string_view server = NextSegment(path, at);
    return server == "." || server == "?";
}

std::string PathProblem(std::string_view path, LastComponent last) {
    if (std::string problem = NetworkProblem(path); !problem.empty()) return problem;
    const bool verbatim = path.starts_with(kVerbatimPrefix);
    const std::vector<std::string_view> components =
        Components(path, ComponentsStart(path, verbatim), verbatim);
    const std::size_t root = RootComponents(path, components, verbatim);
    for (std::size_t i = root; i < components.size(); ++i) {
        const bool created = last == LastComponent::Created && i + 1 == components.size();
        if (std::string problem = ComponentProblem(components[i], verbatim, created);
            !problem.empty()) {
            return problem;
        }
    }
    return {};
}

// The parent's verdict stands for the path's when the path is the parent's components and one
// name more: the parent holds the whole root (drive, \\?\ prefix, share) and the network check's
// server and share, and ends in a separator, so the name is a component of its own.
void VettedParent::Vet(std::string_view parent, bool verbatim) {
    parent_ = parent;
    verbatim_ = verbatim;
    problem_.clear();
    const std::vector<std::string_view> components =
        Components(parent, ComponentsStart(parent, verbatim), verbatim);
    const std::size_t root = RootComponents(parent, components, verbatim);
    composes_ = !parent.empty() && components.size() >= root;
    if (!composes_) return;
    problem_ = NetworkProblem(parent);
    for (std::size_t i = root; i < components.size() && problem_.empty(); ++i) {
        problem_ = ComponentProblem(components[i], verbatim, false);
    }
}

std::string VettedParent::Problem(std::string_view path) {
    const bool verbatim = path.starts_with(kVerbatimPrefix);
    const std::string_view parent = ParentOf(path);
    if (verbatim != verbatim_ || parent != parent_) Vet(parent, verbatim);
    if (!composes_) return PathProblem(path, LastComponent::Created);
    if (!problem_.empty()) return problem_;
    std::string_view name = path.substr(parent.size());
    while (!name.empty() && IsSeparator(name.back(), verbatim)) name.remove_suffix(1);
    return ComponentProblem(name, verbatim, true);
}

std::string SingleSeparators(std::string_view path) {
    const bool verbatim = path.starts_with(kVerbatimPrefix);
    std::string single;
    single.reserve(path.size());
    std::size_t i = 0;
    if (verbatim) {
        single = kVerbatimPrefix;
        i = kVerbatimPrefix.size();
    } else if (BeginsWithTwoSeparators(path)) {
        single = "\\\\";
        i = 2;
    }
    bool afterSeparator = verbatim;  // the prefix ends in one
    for (; i < path.size(); ++i) {
        const bool separator = IsSeparator(path[i], verbatim);
        if (!separator) {
            single += path[i];
        } else if (!afterSeparator) {
            single += '\\';
        }
        afterSeparator = separator;
    }
    // The system reads a \\?\ path as it stands, and a separator at its end as an empty name.
    if (verbatim && single.ends_with('\\')) {
        const std::vector<std::string_view> components =
            Components(single, kVerbatimPrefix.size(), true);
        if (components.size() > RootComponents(single, components, true)) single.pop_back();
    }
    return single;
}

std::string_view ParentOf(std::string_view path) {
    const bool verbatim = path.starts_with(kVerbatimPrefix);
    std::size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1], verbatim)) --end;
    while (end > 0 && !IsSeparator(path[end - 1], verbatim)) --end;
    return path.substr(0, end);
}

}  // namespace quire::win32
