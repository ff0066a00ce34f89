#include "platform/qt/folder_picker.h"

#include <QDir>

namespace quire::qt {

std::string PickFolderDialog(QWidget* owner, const std::string& title,
                             const std::string& initialFolder, QFileDialog::Options extra) {
    const QString chosen = QFileDialog::getExistingDirectory(owner, QString::fromStdString(title),
                                                             QString::fromStdString(initialFolder),
                                                             QFileDialog::ShowDirsOnly | extra);
    if (chosen.isEmpty()) return {};
    // A folder typed with a trailing "/" comes back as typed; the caller adds one itself.
    return QDir::cleanPath(chosen).toStdString();
}

}  // namespace quire::qt
