// The modal folder dialog of the browse button.
#pragma once

#include <QFileDialog>
#include <string>

namespace quire::qt {

// Shows a folders-only dialog owned by `owner`, titled `title`, opened at `initialFolder` (the
// home folder when empty, however the last dialog ended). Gives the confirmed folder, "/" keeping
// its separator and every other folder without a trailing one, or the empty text on cancel. `extra`
// adds dialog options.
std::string PickFolderDialog(QWidget* owner, const std::string& title,
                             const std::string& initialFolder, QFileDialog::Options extra = {});

}  // namespace quire::qt
