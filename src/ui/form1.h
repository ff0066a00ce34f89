// The main window's logic: its event procedures, over the ports a toolkit implements. The numbers
// passed to the statement guard (100, 102, ...) are the procedures' statement numbers, which the
// user sees as "at line N" in the error report.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs.h"
#include "app/platform_traits.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "app/statement_guard.h"
#include "engine/failure.h"
#include "engine/file_ports.h"
#include "engine/journal_store.h"
#include "engine/run_journal.h"
#include "engine/run_plan.h"
#include "shell/shell.h"
#include "ui/event_pump.h"
#include "ui/form1_view.h"
#include "ui/options_view.h"
#include "ui/preset_store.h"
#include "ui/presets_view.h"
#include "ui/preview_view.h"
#include "ui/target_listing.h"
#include "ui/theme_skin.h"
#include "ui/window_options.h"

namespace quire {

struct Form1Ports {
    Form1View& view;
    FilePorts files;
    Dialogs& dialogs;
    EventPump& pump;
    SettingsStore& settings;
    Shell& shell;
    ThemeSkin& skin;
    JournalStore& journal;      // the runs' journal, for undo (engine/undo.h)
    SettingsStore& presets;     // the presets' group of the settings store (ui/preset_store.h)
    HelperStart startHelper{};  // the run journal's thread; none: the journal is written inline
};

struct Form1Environment {
    // Where the shipped files (cursor, theme, sample folder) are found: the program's own folder,
    // or the shared data folder of an installed program. No trailing separator except at a root.
    std::string programFolder;
    PlatformTraits traits;
    std::string decimalSeparator;  // the locale's, for the count
    UniformSource uniform;         // the start-up draw's generator
    // The user's own sample folder, for where the shipped one cannot be written to; empty: the
    // shipped one always.
    std::string userSamplesFolder;
};

class Form1 {
public:
    Form1(const Form1Ports& ports, Form1Environment environment);

    void Form_Load();

    // The folder the program was started for, after Form_Load: the arguments as the system gave
    // them, a folder already made absolute in the picker's form (no trailing separator but at a
    // root). One folder that passes the target check goes into the target box as the picker puts
    // it, and is stored; anything else (none, two, an option, an empty one, a file, nothing there)
    // changes nothing.
    void TakeStartFolder(const std::vector<std::string>& arguments);
    // Ends the program at once; `cancel` is the platform's flag, left as it is.
    void Form_Unload(int& cancel);

    void Text1_Change();
    void Text2_Change();
    void Text3_Change();

    void PushButton1_Click();  // the creation run
    void PushButton2_Click();  // the sample folder
    void PushButton6_Click();  // help
    void PushButton7_Click();  // the folder picker

    // "Undo Last Run..." of the window's menu (the system menu on Windows, the surface's context
    // menu on Linux): asks first, removes the last run's folders that are still empty and
    // unchanged, and tells what it did. Offered only while no run is in progress.
    bool UndoOffered() const { return !runInProgress_ && !unloaded_; }
    void UndoLastRun_Click();

    // "Options..." beside it: shows the Options dialog on `view`; what OK accepts is in effect
    // from then on and stored, Cancel keeps nothing. Offered when undo is.
    bool OptionsOffered() const { return UndoOffered(); }
    void Options_Click(OptionsView& view);
    const WindowOptions& Options() const { return options_; }

    // "Preview..." beside it: the inputs checked as Start checks them (a refusal is told as
    // Start tells it, and no list is shown), then every folder the run would make now on `view`;
    // its "Start Creating Folders" starts the run as the Start button does. Offered when undo is.
    bool PreviewOffered() const { return UndoOffered(); }
    void Preview_Click(PreviewView& view);
    // "Presets" beside them, offered when undo is: the saved presets by name, in the menu's
    // order; "Save as Preset..." keeps the boxes' texts (the target only when the user ticks it)
    // and the options under a name; choosing one puts its texts into the boxes through their
    // change procedures and its options into effect, both stored; "Delete Preset..." removes one
    // after asking.
    bool PresetsOffered() const { return UndoOffered(); }
    std::vector<std::string> PresetNames() const;
    void SavePreset_Click(PresetsView& view);
    void Preset_Click(std::size_t index);
    void DeletePreset_Click(PresetsView& view);

    void Form_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    void Frame3_MouseMove();
    void Text1_MouseMove();
    void Text2_MouseMove();
    void PushButton1_MouseMove();
    void PushButton2_MouseMove();
    void PushButton6_MouseMove();
    void PushButton7_MouseMove();

    // The caption of every message box that names none of its own.
    const std::string& ApplicationTitle() const { return applicationTitle_; }
    bool RunInProgress() const { return runInProgress_; }
    bool Unloaded() const { return unloaded_; }

private:
    class WindowRun;

    // The inputs as Start reads and checks them, and the plan made of them.
    struct CheckedRun {
        std::string target;
        std::string pattern;
        RunPlan plan;
    };
    // Nothing when an input or the options are refused: the refusal was shown or reported.
    std::optional<CheckedRun> CheckRun(StatementGuard& guard);

    void SetApplicationTitle();
    std::string ProgramFile(std::string_view name) const;
    BoxAnswer Show(std::string_view text, BoxStyle style);
    char Separator() const { return environment_.traits.pathSeparator; }
    void Hover(ControlId control);
    void ShowPreview();
    void ShowOptionsTip();
    bool ContinuesNumbering() const { return options_.run.continueNumbering && !options_.listed; }
    // The target's folders may have changed: a preview that continues the numbering looks again.
    void TargetFoldersChanged();

    // Runs a procedure that has no error report: a failure never ends the program; the first one
    // of the process is shown, naming what failed.
    void Unguarded(std::string_view what, const std::function<void()>& body);
    // A run's journal cannot be written: the first time in the process, the user is told.
    void JournalUnwritable(const Failure& failure);

    Form1Ports ports_;
    Form1Environment environment_;
    std::string applicationTitle_;
    bool runInProgress_ = false;
    bool unloaded_ = false;
    bool unguardedFailureShown_ = false;
    bool journalNoticeShown_ = false;
    WindowOptions options_;                       // in effect, as the store holds them
    std::vector<std::string_view> staleOptions_;  // keys the store holds garbage in
    TargetListing listing_;                       // what the preview continues the numbering from
    std::vector<PresetEntry> presets_;            // in the menu's order
    RunJournal* runJournal_ = nullptr;  // of the run in progress, written out if the program ends
};

}  // namespace quire
