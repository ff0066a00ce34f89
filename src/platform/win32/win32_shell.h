// Shell launches, the desktop folder and the folder picker through shell32.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "shell/shell.h"

namespace quire::win32 {

// The ways of starting something, replaceable so that tests never start a real program.
struct Launchers {
    decltype(&ShellExecuteW) shellExecute = &ShellExecuteW;        // web pages
    decltype(&ShellExecuteExW) shellExecuteEx = &ShellExecuteExW;  // folders, by item ID list
    decltype(&CreateProcessW) createProcess = &CreateProcessW;
};

class Win32Shell final : public Shell {
public:
    explicit Win32Shell(HWND owner, Launchers launchers = {})
        : owner_(owner), launchers_(launchers) {}

    // Opens the folder that a run with this target made its folders in (the target followed by a
    // separator, resolved as the system resolves it), by its item ID list; opens nothing when
    // that is no folder. The text is never read as a command, an address or with variables in it.
    void OpenFolder(const std::string& folder) override;
    void OpenWebPage(const std::string& address) override;
    // A program named without a folder is one of Windows' own: it is started from the Windows
    // folder or the system folder by its full path, never looked up along the search path, where a
    // file beside the program or in the current folder could answer.
    void RunShellCommand(const ShellCommand& command) override;
    std::string SpecialFolderPath(int folder) override;
    std::string PickFolder(const std::string& title, const std::string& initialFolder) override;

private:
    HWND owner_;
    Launchers launchers_;
};

}  // namespace quire::win32
