// The "Presets" submenu of the window's menus: "Save as Preset...", the saved presets by name and
// "Delete Preset...", made anew from the window's list each time it opens.
#pragma once

#include <QMenu>

namespace quire {
class Form1;
}

namespace quire::qt {

class QtPresetsMenu {
public:
    // A submenu of `parent`, whose dialogs belong to `owner`.
    QtPresetsMenu(QMenu& parent, QWidget& owner);

    QMenu& Menu() const { return *menu_; }

    void Attach(Form1& form) { form_ = &form; }

    // Puts the entries in as the window's list stands now, and offers the submenu only when the
    // window offers its presets.
    void Refresh();

private:
    QMenu* menu_;  // owned by the parent menu
    QWidget& owner_;
    Form1* form_ = nullptr;
};

}  // namespace quire::qt
