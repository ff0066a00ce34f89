// Port: what the program hands to the desktop shell: launches, special folders and the folder
// picker. Implemented by QtShell (platform/qt) and Win32Shell (platform/win32); tests use
// FakeShell.
#pragma once

#include <string>
#include <string_view>

namespace quire {

inline constexpr int kDesktopFolder = 0;
inline constexpr int kHomeFolder = 40;  // the user's profile folder, as Windows numbers it
inline constexpr int kShowMinimizedWithFocus = 2;

// A program started on its own, with one argument.
struct ShellCommand {
    std::string program;
    std::string argument;
    int windowStyle = kShowMinimizedWithFocus;
};

// The text between two double quotes, as the shell receives a target.
std::string Quoted(std::string_view text);

// The command as one command line: the program, a blank and the quoted argument.
std::string CommandLine(const ShellCommand& command);

class Shell {
public:
    virtual ~Shell() = default;

    // Open with the default handler, owned by the main window, and return without waiting. The
    // outcome is not examined and nothing is reported. A folder is handed over as a folder (never
    // read as a command line, a web address or a text with variables in it); a web page as the
    // address it is.
    virtual void OpenFolder(const std::string& folder) = 0;
    virtual void OpenWebPage(const std::string& address) = 0;

    // Starts the command and returns without waiting. Throws Failure when it cannot be started.
    virtual void RunShellCommand(const ShellCommand& command) = 0;

    // The file-system path of a special folder, or the empty text when it cannot be resolved.
    virtual std::string SpecialFolderPath(int folder) = 0;

    // Shows the modal folder dialog owned by the main window, opened at `initialFolder` (the
    // platform's own start when empty). Gives the confirmed folder's path, a root keeping its
    // separator and other folders without one, or the empty text on cancel.
    virtual std::string PickFolder(const std::string& title, const std::string& initialFolder) = 0;
};

}  // namespace quire
