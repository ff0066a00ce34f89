// Shell launches, the desktop folder and the folder picker through shell32.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "shell/shell.h"

namespace quire::win32 {

// The two ways of starting something, replaceable so that tests never start a real program.
struct Launchers {
    decltype(&ShellExecuteW) shellExecute = &ShellExecuteW;
    decltype(&CreateProcessW) createProcess = &CreateProcessW;
};

class Win32Shell final : public Shell {
public:
    explicit Win32Shell(HWND owner, Launchers launchers = {})
        : owner_(owner), launchers_(launchers) {}

    void OpenInShell(const std::string& target) override;
    void RunShellCommand(const ShellCommand& command) override;
    std::string SpecialFolderPath(int folder) override;
    std::string PickFolder(const std::string& title, const std::string& initialFolder) override;

private:
    HWND owner_;
    Launchers launchers_;
};

}  // namespace quire::win32
