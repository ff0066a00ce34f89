// How a Windows path is read before any of it reaches the file system: its root and the names in
// it. Plain logic on UTF-8 text, so that the check of a folder and the creation inside it decide
// by the same rule whatever the system underneath does with odd forms.
#pragma once

#include <string>
#include <string_view>

namespace quire::win32 {

enum class LastComponent {
    Reached,  // a folder the path leads to: "." and ".." are steps like any other
    Created,  // the name being made: it must be a name the system keeps as it is
};

// Why `path` cannot be used as it is typed, or the empty text when it can.
// - A path that begins with two separators must be a \\?\ path or name a network share
//   (\\server\share): one that names a device (\\.\) or no share at all is refused, so that a
//   leading separator never turns into a network lookup.
// - Every name in the path must be one the system keeps as typed (NameProblem). In a \\?\ path
//   every component is a name; elsewhere "." and ".." are steps, which the system resolves alike
//   for every use of the path, except as the name being created.
std::string PathProblem(std::string_view path, LastComponent last);

// PathProblem(path, LastComponent::Created) for path after path, the parent examined only when it
// differs from the last path's: a run makes its folders side by side, and only their names change.
class VettedParent {
public:
    std::string Problem(std::string_view path);

private:
    void Vet(std::string_view parent, bool verbatim);

    std::string parent_;
    bool verbatim_ = false;
    bool composes_ = false;  // the path's verdict is the parent's, then its last name's
    std::string problem_;    // the parent's
};

// True when `path` is in the system's device namespace (\\.\ and its forms), not a file's path.
bool NamesDevice(std::string_view path);

// `path` as Windows reads it, for the system calls: every run of separators after the leading pair
// of a network path, or after the \\?\ prefix, is one backslash, and a \\?\ path ends in none but
// at its root. Windows reads a network path so too; Wine does not, and would refuse
// \\server\share\\name. In a \\?\ path, which the system takes as it stands, the rules read a
// run of separators as one (PathProblem): so does the system, with this.
std::string SingleSeparators(std::string_view path);

// `path` from its first character up to and including its last separator before the last name;
// the empty text when it has none.
std::string_view ParentOf(std::string_view path);

}  // namespace quire::win32
