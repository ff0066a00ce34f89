// The main window built from the design table, with its events routed to the form's procedures.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "platform/qt/qt_presets_menu.h"
#include "ui/control_id.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quire {
class Form1;
}

namespace quire::qt {

class QtMainWindow final : public QWidget {
public:
    // Builds every control of the design at the screen's resolution.
    QtMainWindow();

    // From now on the window's events run the form's procedures.
    void Attach(Form1& form);

    // What ends the program once the window is unloaded; the application's exit by default.
    void SetExitAction(std::function<void()> exit) { exit_ = std::move(exit); }

    // Marks the window closing and ends the program.
    void EndProgram();

    // True once the window was unloaded: a running loop must stop.
    bool Closing() const { return closing_; }

    QtPresetsMenu& PresetsMenu() { return presetsMenu_; }

    QWidget* Control(ControlId id) const;
    QLineEdit* TextBox(ControlId id) const;
    QLabel* Label(ControlId id) const;
    QPushButton* Button(ControlId id) const;

    // Twips to pixels at the resolution the window was built for.
    int Pixels(int twips) const;

    // Centres the window on its screen, in the normal state.
    void PlaceCentred();

    // Shown: where Qt would draw a title bar that offers to maximise, the window draws its own.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A right click outside the text boxes (they keep their own menus): "Undo Last Run...",
    // "Options...", "Preview..." and "Presets".
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QWidget* Create(ControlId id);

    static constexpr std::size_t kControlCount =
        static_cast<std::size_t>(ControlId::SkinFramework1) + 1;
    std::array<QWidget*, kControlCount> controls_{};
    int dotsPerInch_;
    QMenu* surfaceMenu_;
    QAction* undoAction_;
    QAction* optionsAction_;
    QAction* previewAction_;
    QtPresetsMenu presetsMenu_;
    Form1* form_ = nullptr;
    bool closing_ = false;
    std::function<void()> exit_;
};

}  // namespace quire::qt
