#include "platform/qt/qt_folder_picker.h"

#include <QDir>

#include "platform/qt/qt_text.h"

namespace quire::qt {

std::string PickFolderDialog(QWidget* owner, const std::string& title,
                             const std::string& initialFolder, QFileDialog::Options extra) {
    // Without a folder of our own, Qt would open at the folder last shown in any of its dialogs;
    // every browse opens at the same starting place instead, the user's home folder.
    const QString start = initialFolder.empty() ? QDir::homePath() : FromBytes(initialFolder);
    const QString chosen = QFileDialog::getExistingDirectory(owner, FromBytes(title), start,
                                                             QFileDialog::ShowDirsOnly | extra);
    if (chosen.isEmpty()) return {};
    // A folder typed with a trailing "/" comes back as typed; the caller adds one itself.
    return ToBytes(QDir::cleanPath(chosen));
}

}  // namespace quire::qt
