// A shell that opens nothing: launches are recorded, the picker answers as the test says.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "shell/shell.h"

namespace quire::fakes {

class FakeShell final : public Shell {
public:
    std::vector<std::string> opened;
    std::vector<ShellCommand> commands;
    std::string desktop = "C:\\Users\\ada\\Desktop";
    std::string home;                                              // unknown unless a test names it
    std::string picked;                                            // empty: the user cancels
    std::vector<std::pair<std::string, std::string>> pickerCalls;  // title, initial folder
    bool failCommands = false;
    bool failPicker = false;

    std::vector<std::string> openedAsPage;  // the ones of `opened` handed over as web pages

    void OpenFolder(const std::string& folder) override { opened.push_back(folder); }
    void OpenWebPage(const std::string& address) override {
        opened.push_back(address);
        openedAsPage.push_back(address);
    }

    void RunShellCommand(const ShellCommand& command) override {
        if (failCommands) throw Failure("The system cannot find the file specified.");
        commands.push_back(command);
    }

    std::string SpecialFolderPath(int folder) override {
        if (folder == kDesktopFolder) return desktop;
        return folder == kHomeFolder ? home : std::string();
    }

    std::string PickFolder(const std::string& title, const std::string& initialFolder) override {
        pickerCalls.emplace_back(title, initialFolder);
        if (failPicker) throw Failure("Cannot show the folder dialog");
        return picked;
    }
};

}  // namespace quire::fakes
