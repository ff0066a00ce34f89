// Pallisand Quire Batch Utility for Windows: builds the main window, wires the ports and runs.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/platform_traits.h"
#include "app/startup.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_folder_menu.h"
#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_helper_thread.h"
#include "platform/win32/win32_journal_store.h"
#include "platform/win32/win32_program_environment.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_skin_painter.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/form1.h"
#include "ui/theme_skin.h"

namespace {

// --register / --unregister: Explorer's folder menu entry for this program, for the ZIP's users
// (the installer makes it itself). Quiet on success; a box says why it failed.
int ChangeFolderMenu(bool add) {
    using namespace quire::win32;
    try {
        if (add) {
            RegisterFolderMenu(Wide(ProgramPath()));
        } else {
            UnregisterFolderMenu();
        }
        return 0;
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, Wide(failure.what()).c_str(), L"Pallisand Quire Batch Utility",
                    MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace quire;
    using namespace quire::win32;

    const std::vector<std::string> arguments = CommandLineArguments();
    if (arguments.size() == 1 && (arguments[0] == "--register" || arguments[0] == "--unregister")) {
        return ChangeFolderMenu(arguments[0] == "--register");
    }

    // The folder dialog is a COM object of the shell and needs a single-threaded apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Form1View window(instance);
    Win32FileSystem files;
    Win32JournalStore journal;
    Win32Dialogs dialogs(window.Handle());
    Win32EventPump pump(window);
    Win32SettingsStore settings;
    Win32SettingsStore presets({}, product::kPresetsSection);
    Win32Shell shell(window.Handle());
    Win32SkinPainter painter(window, dialogs);
    ThemeSkin skin(painter, files);

    std::string programFolder;
    try {
        programFolder = ProgramFolder();
    } catch (const std::exception&) {
        // Left empty: the files beside the program are then simply not found.
    }
    Form1 form(Form1Ports{window, PortsOf(files), dialogs, pump, settings, shell, skin, journal,
                          presets, StartHelperThread},
               // The per-user install's folder is the user's own: the shipped samples always.
               Form1Environment{programFolder, kWindowsTraits, DecimalSeparator(),
                                SeededUniformSource(SecondsSinceMidnight()), ""});
    window.Attach(form);
    form.Form_Load();
    form.TakeStartFolder(FolderArguments(arguments));
    window.Show();
    return RunMessageLoop(window);
}
