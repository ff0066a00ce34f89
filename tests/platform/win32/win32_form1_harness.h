// The real main window with the real file system and registry, and with message boxes and shell
// launches answered by fakes, so that no test opens a browser or a file manager.
#pragma once

#include <memory>
#include <string>

#include "app/platform_traits.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_journal_store.h"
#include "fakes/fake_shell.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_helper_thread.h"
#include "platform/win32/win32_settings_store.h"
#include "ui/form1.h"
#include "ui/theme_skin.h"
#include "win32_test_support.h"

namespace quire::win32::testing {

class WindowPainter final : public SkinPainter {
public:
    explicit WindowPainter(Win32Form1View& window) : window_(window) {}
    void Paint(const SkinLook& look) override { window_.ApplyLook(look); }

private:
    Win32Form1View& window_;
};

struct Form1Harness {
    // `programFolder` stands for the folder beside the program (cursor, theme, samples);
    // `highContrast` stands for Windows' high-contrast mode, which Wine never turns on.
    // `creation`, where given, makes the run's folders.
    explicit Form1Harness(std::string programFolder, FolderCreation* creation = nullptr,
                          bool highContrast = false)
        : window(
              GetModuleHandleW(nullptr), [this] { ++endProgramCalls; },
              [highContrast] { return highContrast; }),
          pump(window),
          painter(window),
          skin(painter, realFiles),
          form(Form1Ports{window, PortsOf(realFiles, creation), dialogs, pump, settings, shell,
                          skin, journal, presets, StartHelperThread},
               Form1Environment{std::move(programFolder), kWindowsTraits, ".", [] { return 0.5; },
                                ""}) {
        window.Attach(form);
    }

    HWND Control(ControlId id) const { return window.Control(id); }

    static FilePorts PortsOf(Win32FileSystem& files, FolderCreation* creation) {
        FilePorts ports = quire::PortsOf(files);
        return {ports.lookup,   creation != nullptr ? *creation : files,
                ports.forecast, ports.identities,
                ports.removal,  ports.small,
                ports.listing,  ports.copies};
    }

    // Clicks a push button as the mouse would, refusing one that the user could not click.
    void Click(ControlId id) {
        HWND button = Control(id);
        if (!IsWindowVisible(button) || !IsWindowEnabled(button)) return;
        SendMessageW(button, BM_CLICK, 0, 0);
    }

    ScratchRegistry registry;  // before the window: every write of the test lands in scratch
    int endProgramCalls = 0;
    Win32Form1View window;
    Win32FileSystem realFiles;
    fakes::FakeDialogs dialogs;
    Win32EventPump pump;
    ScratchFolder longSettings;  // where the settings too long for the registry go
    Win32SettingsStore settings{longSettings.Path()};
    Win32SettingsStore presets{longSettings.Path(), product::kPresetsSection};
    fakes::FakeShell shell;
    WindowPainter painter;
    ThemeSkin skin;
    fakes::FakeJournalStore journal;
    Form1 form;
};

}  // namespace quire::win32::testing
