// The Linux desktop program put together: the window, the ports and the form.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_journal_store.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_form1_view.h"
#include "platform/qt/qt_main_loop_poll.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_skin_painter.h"
#include "ui/form1.h"
#include "ui/theme_skin.h"

namespace quire::qt {

struct ProgramSetup {
    std::string programFolder;  // where HAND-M.CUR, x/o.cjs and Samples/ are looked for
    QString settingsFile;
    UniformSource uniform;             // the start-up draw
    QtShell::Hooks shellHooks;         // how the desktop is reached
    std::function<void()> exitAction;  // how closing the window ends the program
    Dialogs* dialogs = nullptr;        // message boxes; the real ones when null
    std::string userSamplesFolder;     // for where Samples/ cannot be written to
};

// The setup of the installed program: its files, the user's settings, the real desktop.
ProgramSetup DesktopSetup();

// Where the program's files are: the shared data folder `fromProgram` names relative to the
// program's folder (an installed program), when it is there, else the program's folder itself
// (the build tree, a copy unpacked anywhere). Without a trailing separator.
std::string FilesFolder(const std::string& programFolder, const std::string& fromProgram);

// The command line's arguments with a folder among them made absolute against the working folder
// and without trailing separators, as the folder picker gives a folder ("/" stays "/"); options
// and empty arguments are left as they are, for the form to refuse.
std::vector<std::string> FolderArguments(std::vector<std::string> arguments);

// What the program prints, without a window or a display, when the command line asks for its
// help (--help, -h) or its version (--version, -V); nothing when it asks for neither.
std::optional<std::string> AnswerWithoutWindow(const std::vector<std::string>& arguments);

class Program {
public:
    explicit Program(ProgramSetup setup);

    // Loads the form and shows the window, centred, with the focus in the hidden box.
    // `arguments`: the folder the program was started for, if any (see FolderArguments).
    void Start(const std::vector<std::string>& arguments = {});

    QtMainWindow& Window() { return window_; }
    QtForm1View& View() { return view_; }
    Form1& Form() { return *form_; }

private:
    QtMainWindow window_;
    QtForm1View view_{window_};
    PosixFileSystem files_;
    PosixJournalStore journal_;
    QtDialogs realDialogs_{window_};
    QtSkinPainter painter_{window_, realDialogs_};
    ThemeSkin skin_{painter_, files_};
    MainLoopPoll mainLoopPoll_;
    QtEventPump pump_{window_};
    QtSettingsStore settings_;
    QtSettingsStore presets_;
    QtShell shell_;
    std::unique_ptr<Form1> form_;
};

}  // namespace quire::qt
