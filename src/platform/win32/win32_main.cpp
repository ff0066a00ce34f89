// Pallisand Quire Batch Utility for Windows: builds the main window, wires the ports and runs.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/platform_traits.h"
#include "app/startup.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_program_environment.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_skin_painter.h"
#include "ui/form1.h"
#include "ui/theme_skin.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace quire;
    using namespace quire::win32;

    // The folder dialog is a COM object of the shell and needs a single-threaded apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Form1View window(instance);
    Win32FileSystem files;
    Win32Dialogs dialogs(window.Handle());
    Win32EventPump pump(window);
    Win32SettingsStore settings;
    Win32Shell shell(window.Handle());
    Win32SkinPainter painter(window, dialogs);
    ThemeSkin skin(painter, files);

    std::string programFolder;
    try {
        programFolder = ProgramFolder();
    } catch (const std::exception&) {
        // Left empty: the files beside the program are then simply not found.
    }
    Form1 form(Form1Ports{window, files, dialogs, pump, settings, shell, skin},
               Form1Environment{programFolder, kWindowsTraits, DecimalSeparator(),
                                SeededUniformSource(SecondsSinceMidnight())});
    window.Attach(form);
    form.Form_Load();
    window.Show();
    return RunMessageLoop(window);
}
