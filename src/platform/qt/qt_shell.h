// The desktop's shell: default opener, detached programs, the desktop folder, the folder picker.
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "shell/shell.h"

namespace quire::qt {

// The file URL of a folder, relative paths taken against the working folder.
QUrl FolderUrl(const std::string& folder);

class QtShell final : public Shell {
public:
    // Opens a URL with the desktop's default handler; false when it could not be handed over.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // Starts a program with its arguments, detached; false when it could not be started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    struct Hooks {
        UrlOpener open;
        Launcher launch;
        QFileDialog::Options pickerOptions;
    };

    // The real desktop: QDesktopServices and QProcess.
    static Hooks DesktopHooks();

    QtShell(QWidget& owner, Hooks hooks) : owner_(owner), hooks_(std::move(hooks)) {}

    void OpenFolder(const std::string& folder) override;
    void OpenWebPage(const std::string& address) override;
    void RunShellCommand(const ShellCommand& command) override;
    std::string SpecialFolderPath(int folder) override;
    std::string PickFolder(const std::string& title, const std::string& initialFolder) override;

private:
    QWidget& owner_;
    Hooks hooks_;
};

}  // namespace quire::qt
