#include "platform/qt/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "engine/failure.h"
#include "platform/qt/folder_picker.h"

namespace quire::qt {

QUrl TargetUrl(const std::string& target) {
    const QString text = QString::fromStdString(target);
    for (const auto scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (text.startsWith(scheme, Qt::CaseInsensitive)) return QUrl(text, QUrl::StrictMode);
    }
    // The whole text is one path, blanks and quotes included; the URL encodes them.
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

QtShell::Hooks QtShell::DesktopHooks() {
    return Hooks{
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        // Never through a shell: the program gets its arguments as they are.
        [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        },
        {},
    };
}

void QtShell::OpenInShell(const std::string& target) {
    // The handler runs on its own; whether it could open the target is not examined.
    if (hooks_.open) hooks_.open(TargetUrl(target));
}

void QtShell::RunShellCommand(const ShellCommand& command) {
    const QString program = QString::fromStdString(command.program);
    if (!hooks_.launch || !hooks_.launch(program, {QString::fromStdString(command.argument)})) {
        throw Failure("File not found: " + command.program);
    }
}

std::string QtShell::SpecialFolderPath(int folder) {
    if (folder != kDesktopFolder) return {};
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
}

std::string QtShell::PickFolder(const std::string& title, const std::string& initialFolder) {
    return PickFolderDialog(&owner_, title, initialFolder, hooks_.pickerOptions);
}

}  // namespace quire::qt
