#include "platform/qt/qt_folder_picker.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <vector>

#include "platform/qt/qt_text.h"

namespace quire::qt {
namespace {

// Qt's own dialog shows its title only as the caption; the folder browser it stands for shows the
// title as text above the folders too. A new first row of the dialog's grid carries it, in the
// dialog's own colours (so it reads in any theme) and spoken as the title by a screen reader.
void ShowTitleAboveTheFolders(QFileDialog& dialog, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr) return;  // the desktop's own dialog, which shows the title itself
    struct Placed {
        QLayoutItem* item;
        int row, column, rowSpan, columnSpan;
    };
    std::vector<Placed> placed;
    while (grid->count() > 0) {
        Placed at{};
        grid->getItemPosition(grid->count() - 1, &at.row, &at.column, &at.rowSpan, &at.columnSpan);
        at.item = grid->takeAt(grid->count() - 1);
        placed.push_back(at);
    }
    for (const Placed& at : placed)
        grid->addItem(at.item, at.row + 1, at.column, at.rowSpan, at.columnSpan);
    auto* label = new QLabel(title, &dialog);
    label->setObjectName(QStringLiteral("quireFolderPickerTitle"));
    label->setAccessibleName(title);
    label->setWordWrap(true);
    grid->addWidget(label, 0, 0, 1, grid->columnCount());
}

}  // namespace

std::string PickFolderDialog(QWidget* owner, const std::string& title,
                             const std::string& initialFolder, QFileDialog::Options extra) {
    // Without a folder of our own, Qt would open at the folder last shown in any of its dialogs;
    // every browse opens at the same starting place instead, the user's home folder.
    const QString start = initialFolder.empty() ? QDir::homePath() : FromBytes(initialFolder);
    QFileDialog dialog(owner, FromBytes(title), start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | extra);
    ShowTitleAboveTheFolders(dialog, dialog.windowTitle());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty()) return {};
    // A folder typed with a trailing "/" comes back as typed; the caller adds one itself.
    return ToBytes(QDir::cleanPath(chosen));
}

}  // namespace quire::qt
