// One main window over fakes, as the tests drive it.
#pragma once

#include <deque>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_form1_view.h"
#include "fakes/fake_journal_store.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_skin_painter.h"
#include "ui/form1.h"

namespace quire::fakes {

struct Form1Harness {
    FakeForm1View view;
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeEventPump pump;
    FakeSettingsStore settings;
    FakeShell shell;
    FakeSkinPainter painter;
    FakeJournalStore journal;
    FakeSettingsStore presets;  // the presets' group
    ThemeSkin skin{painter, files};
    std::deque<double> draws;  // the start-up draw's numbers; 0.5 (no hit) when none is left
    Form1 form;

    explicit Form1Harness(PlatformTraits traits = kWindowsTraits,
                          std::string programFolder = "C:\\Program Files\\Quire",
                          std::string userSamplesFolder = "")
        : form(Form1Ports{view, PortsOf(files), dialogs, pump, settings, shell, skin, journal,
                          presets},
               Form1Environment{std::move(programFolder), traits, ".",
                                [this] { return NextDraw(); }, std::move(userSamplesFolder)}) {
        view.form = &form;
    }

    double NextDraw() {
        if (draws.empty()) return 0.5;
        const double value = draws.front();
        draws.pop_front();
        return value;
    }

    // The window's three inputs as a user would leave them.
    void Enter(const std::string& pattern, const std::string& count, const std::string& target) {
        view.texts[ControlId::Text1] = pattern;
        view.texts[ControlId::Text2] = count;
        view.texts[ControlId::Text3] = target;
    }
};

}  // namespace quire::fakes
