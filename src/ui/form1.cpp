// Start-up, the change and hover procedures, and the sample, help and browse buttons.
#include "ui/form1.h"

#include <exception>
#include <optional>
#include <utility>

#include "app/product.h"
#include "app/sample_folder.h"
#include "app/statement_guard.h"
#include "engine/creation_run.h"
#include "engine/name_pattern.h"
#include "ui/appearance.h"

namespace quire {

Form1::Form1(const Form1Ports& ports, Form1Environment environment)
    : ports_(ports), environment_(std::move(environment)), applicationTitle_(product::kName) {}

void Form1::SetApplicationTitle() { applicationTitle_ = quire::ApplicationTitle(product::kName); }

std::string Form1::ProgramFile(std::string_view name) const {
    std::string path = environment_.programFolder;
    path += environment_.traits.pathSeparator;
    path.append(name);
    return path;
}

BoxAnswer Form1::Show(std::string_view text, BoxStyle style) {
    return ports_.dialogs.ShowMessage(std::string(text), applicationTitle_, style);
}

void Form1::Unguarded(std::string_view what, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        if (unguardedFailureShown_) return;
        unguardedFailureShown_ = true;
        try {
            ports_.dialogs.ShowMessage(std::string(what) + ":\r\n" + failure.what(),
                                       std::string(product::kErrorCaption), BoxStyle::Warning);
        } catch (const std::exception&) {
            // Nothing is left to tell the user with; the program goes on.
        }
    }
}

// Shown as a failure of a procedure without the error report is, with a flag of its own: the
// run goes on, and the user learns once that undo will not know it.
void Form1::JournalUnwritable(const Failure& failure) {
    if (journalNoticeShown_) return;
    journalNoticeShown_ = true;
    try {
        ports_.dialogs.ShowMessage(std::string(product::kJournalNotice) + ":\r\n" + failure.what(),
                                   std::string(product::kErrorCaption), BoxStyle::Warning);
    } catch (const std::exception&) {
        // Nothing is left to tell the user with; the run goes on.
    }
}

// The preview is also the pattern box's description, so that a screen reader that stands in the
// box tells the first folder's name. Continuing, it counts from the target's listing, as the run
// does, without listing the target again at every key.
void Form1::ShowPreview() {
    const std::string pattern = ports_.view.Text(ControlId::Text1);
    std::optional<std::int32_t> highest;
    if (ContinuesNumbering()) {
        highest = listing_.Highest(ports_.files.lookup, ports_.view.Text(ControlId::Text3),
                                   NamePattern(pattern, options_.run.style), Separator());
    }
    const std::string preview = FirstFolder(pattern, options_, highest);
    ports_.view.SetLabelCaption(ControlId::Label4, preview);
    ports_.view.SetDescription(ControlId::Text1, preview);
}

void Form1::TargetFoldersChanged() {
    listing_.Forget();
    if (!ContinuesNumbering()) return;
    Unguarded("The name pattern could not be previewed", [&] { ShowPreview(); });
}

void Form1::Form_Load() {
    StatementGuard guard(ports_.dialogs, product::kFormLoadContext);
    Form1View& view = ports_.view;
    const char separator = environment_.traits.pathSeparator;

    guard.Step(100, [&] {
        ApplySkin(view, ports_.files.small, ports_.skin, environment_.programFolder, separator);
    });
    guard.Step(104, [&] { view.SetWindowCaption(std::string(product::kName)); });
    guard.Step(104, [&] { view.SetWindowIcon(); });
    guard.Step(104, [&] { SetApplicationTitle(); });
    if (guard.Test(106, [&] {
            return ports_.files.lookup.PathExists(ProgramFile(product::kCursorFile));
        })) {
        guard.Step(108, [&] {
            view.SetMouseIcon(ports_.files.small.ReadSmallFile(ProgramFile(product::kCursorFile),
                                                               kSmallFileLimit));
        });
    }
    guard.Step(110, [&] {
        if (!StartupDrawWanted(ports_.settings)) return;
        StartupDraw(environment_.uniform, ports_.shell, environment_.traits.webOpener);
    });
    guard.Step(128, [&] {
        view.SetText(ControlId::Text1,
                     ports_.settings.ReadSetting(setting::kPattern, setting::kDefaultPattern));
    });
    guard.Step(130, [&] {
        view.SetText(ControlId::Text2,
                     ports_.settings.ReadSetting(setting::kCount, setting::kDefaultCount));
    });
    guard.Step(132, [&] {
        const std::string fallback =
            DefaultTargetFolder(ports_.shell, ports_.files.lookup, separator);
        view.SetText(ControlId::Text3, ports_.settings.ReadSetting(setting::kTarget, fallback));
    });
    // The options go into the preview and its tip; garbage in their keys is reported here.
    guard.Step(134, [&] {
        StoredOptions stored = ReadWindowOptions(ports_.settings);
        options_ = std::move(stored.options);
        staleOptions_ = std::move(stored.stale);
        ShowOptionsTip();
        if (!stored.problem.empty()) throw Failure(stored.problem);
    });
    guard.Step(134, [&] { ShowPreview(); });
    guard.Step(134, [&] {
        StoredPresetNames stored;
        try {
            stored = ReadPresetNames(ports_.presets);
        } catch (const Failure&) {
            // Where the window's own settings cannot be read either, their reads told it.
            try {
                ports_.settings.ReadSetting(setting::kPattern, "");
            } catch (const Failure&) {
                return;
            }
            throw;
        }
        presets_ = std::move(stored.entries);
        if (!stored.problem.empty()) throw Failure(stored.problem);
    });
}

void Form1::TakeStartFolder(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1 || arguments.front().empty() || arguments.front().front() == '-') {
        return;
    }
    std::string target = arguments.front();
    if (target.back() != Separator()) target += Separator();  // the picker's rule
    if (!TargetProblem(ports_.files.lookup, target, Separator()).empty()) return;
    Unguarded("The folder could not be shown",
              [&] { ports_.view.SetText(ControlId::Text3, target); });
}

void Form1::Form_Unload(int& /*cancel*/) {
    unloaded_ = true;
    // Ending the program may end the process at once, within the run: its journal is written now.
    if (runJournal_ != nullptr) runJournal_->Finish();
    Unguarded("The program could not be closed", [&] { ports_.view.EndProgram(); });
}

void Form1::Text1_Change() {
    // A preview that fails does not keep the pattern from being saved.
    Unguarded("The name pattern could not be previewed", [&] { ShowPreview(); });
    Unguarded("The name pattern could not be saved", [&] {
        ports_.settings.WriteSetting(setting::kPattern, ports_.view.Text(ControlId::Text1));
    });
}

void Form1::Text2_Change() {
    Unguarded("The folder count could not be saved", [&] {
        ports_.settings.WriteSetting(setting::kCount, ports_.view.Text(ControlId::Text2));
    });
}

void Form1::Text3_Change() {
    if (ContinuesNumbering()) {
        Unguarded("The name pattern could not be previewed", [&] { ShowPreview(); });
    }
    Unguarded("The target folder could not be saved", [&] {
        ports_.settings.WriteSetting(setting::kTarget, ports_.view.Text(ControlId::Text3));
    });
}

void Form1::PushButton2_Click() {
    StatementGuard guard(ports_.dialogs, product::kSampleContext);
    guard.Step(100, [&] {
        ports_.view.SetText(ControlId::Text3, SampleFolder(ports_.files.lookup, ports_.files.copies,
                                                           ProgramFile(product::kSamplesFolder),
                                                           environment_.userSamplesFolder));
    });
}

void Form1::PushButton6_Click() {
    StatementGuard guard(ports_.dialogs, product::kHelpContext);
    if (guard.Test(
            100, [&] { return Show(product::kHelpQuestion, BoxStyle::YesNo) == BoxAnswer::Yes; })) {
        guard.Step(102, [&] { ports_.shell.OpenWebPage(std::string(product::kCompanionPage)); });
    }
}

void Form1::PushButton7_Click() {
    StatementGuard guard(ports_.dialogs, product::kBrowseContext);
    const char separator = environment_.traits.pathSeparator;
    std::string chosen;
    guard.Step(100,
               [&] { chosen = ports_.shell.PickFolder(std::string(product::kPickerTitle), ""); });
    if (chosen.empty()) return;
    guard.Step(104, [&] { ports_.settings.WriteSetting(setting::kLastPicked, chosen); });
    if (guard.Test(104, [&] { return chosen.back() != separator; })) {
        guard.Step(106, [&] { ports_.view.SetText(ControlId::Text3, chosen + separator); });
    } else {
        guard.Step(108, [&] { ports_.view.SetText(ControlId::Text3, chosen); });
    }
}

void Form1::Hover(ControlId control) {
    const auto pointer = HoverPointer(control);
    if (!pointer) return;
    Unguarded("The mouse pointer could not be changed",
              [&] { ports_.view.SetMousePointer(*pointer); });
}

void Form1::Form_MouseMove() { Hover(ControlId::Form1); }
void Form1::Frame1_MouseMove() { Hover(ControlId::Frame1); }
void Form1::Frame2_MouseMove() { Hover(ControlId::Frame2); }
void Form1::Frame3_MouseMove() { Hover(ControlId::Frame3); }
void Form1::Text1_MouseMove() { Hover(ControlId::Text1); }
void Form1::Text2_MouseMove() { Hover(ControlId::Text2); }
void Form1::PushButton1_MouseMove() { Hover(ControlId::PushButton1); }
void Form1::PushButton2_MouseMove() { Hover(ControlId::PushButton2); }
void Form1::PushButton6_MouseMove() { Hover(ControlId::PushButton6); }
void Form1::PushButton7_MouseMove() { Hover(ControlId::PushButton7); }

}  // namespace quire
