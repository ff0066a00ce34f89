#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "engine/failure.h"
#include "platform/qt/qt_folder_picker.h"

namespace quire::qt {

QUrl FolderUrl(const std::string& folder) {
    // The path's own bytes, made absolute and percent-encoded: a name that is not valid UTF-8, or
    // that looks like a web address, still opens the folder it names.
    QByteArray path(folder.data(), static_cast<qsizetype>(folder.size()));
    if (!path.startsWith('/')) path = QFile::encodeName(QDir::currentPath()) + '/' + path;
    return QUrl::fromEncoded("file://" + path.toPercentEncoding("/"), QUrl::StrictMode);
}

QtShell::Hooks QtShell::DesktopHooks() {
    return Hooks{
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        // Never through a shell: the program gets its arguments as they are. It is looked up on
        // the PATH alone, never in the working folder.
        [](const QString& program, const QStringList& arguments) {
            const QString found = QStandardPaths::findExecutable(program);
            return !found.isEmpty() && QDir::isAbsolutePath(found) &&
                   QProcess::startDetached(found, arguments);
        },
        {},
    };
}

// The handler runs on its own; whether it could open the target is not examined.
void QtShell::OpenFolder(const std::string& folder) {
    if (hooks_.open) hooks_.open(FolderUrl(folder));
}

void QtShell::OpenWebPage(const std::string& address) {
    if (hooks_.open) hooks_.open(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

void QtShell::RunShellCommand(const ShellCommand& command) {
    const QString program = QString::fromStdString(command.program);
    if (!hooks_.launch || !hooks_.launch(program, {QString::fromStdString(command.argument)})) {
        throw Failure("File not found: " + command.program);
    }
}

// The desktop as the user's XDG settings name it (XDG_DESKTOP_DIR in user-dirs.dirs, else
// ~/Desktop), whether or not a folder is there.
std::string QtShell::SpecialFolderPath(int folder) {
    if (folder == kHomeFolder) return QFile::encodeName(QDir::homePath()).toStdString();
    if (folder != kDesktopFolder) return {};
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))
        .toStdString();
}

std::string QtShell::PickFolder(const std::string& title, const std::string& initialFolder) {
    return PickFolderDialog(&owner_, title, initialFolder, hooks_.pickerOptions);
}

}  // namespace quire::qt
