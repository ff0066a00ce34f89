// "Undo Last Run...": the question, the undo with the window kept alive, the account.
#include <optional>
#include <string>

#include "app/product.h"
#include "engine/undo.h"
#include "ui/form1.h"
#include "ui/run_flag.h"

namespace quire {
namespace {

// "1 folder", "2 folders".
std::string Folders(std::int64_t count, std::string_view adjective = "") {
    std::string text = std::to_string(count) + ' ';
    if (!adjective.empty()) text.append(adjective).push_back(' ');
    return text + (count == 1 ? "folder" : "folders");
}

std::string Question(const UndoableRun& run) {
    return "Remove the " + Folders(run.folders, "empty") + " that the last run created in " +
           run.target + "?";
}

std::string Account(const UndoResult& result) {
    if (!result.targetProblem.empty()) {
        return std::string(product::kUndoTargetMissing) + ":\r\n" + result.target + ": " +
               result.targetProblem;
    }
    std::string text = "Removed " + Folders(result.removed) + ".";
    if (result.kept == 1) {
        text += " 1 was kept because it is not empty or has changed.";
    } else if (result.kept > 1) {
        text += ' ' + std::to_string(result.kept) +
                " were kept because they are not empty or have changed.";
    }
    if (result.incomplete) text += product::kUndoIncomplete;
    return text;
}

// Keeps the window alive between folders; a window closed meanwhile stops the undo.
class WindowUndo final : public UndoHost {
public:
    WindowUndo(EventPump& pump, const bool& unloaded) : pump_(pump), unloaded_(unloaded) {}

    bool BeforeFolder(std::int64_t, std::int64_t) override {
        return pump_.ProcessPendingEvents() && !unloaded_;
    }

private:
    EventPump& pump_;
    const bool& unloaded_;
};

}  // namespace

void Form1::UndoLastRun_Click() {
    if (!UndoOffered()) return;
    const RunFlag flag(runInProgress_);
    Unguarded("The last run could not be undone", [&] {
        std::optional<UndoResult> result;
        try {
            const std::optional<UndoableRun> run = LastRunToUndo(ports_.journal);
            if (!run) {
                Show(product::kUndoNothing, BoxStyle::Ok);
                return;
            }
            if (Show(Question(*run), BoxStyle::YesNo) != BoxAnswer::Yes) return;
            WindowUndo host(ports_.pump, unloaded_);
            result = UndoLastRun(ports_.files.removal, ports_.files.identities, ports_.files.lookup,
                                 ports_.journal, host, false, &*run);
        } catch (const JournalBusy&) {
            Show(product::kUndoBusy, BoxStyle::Ok);
            return;
        } catch (const Failure& failure) {
            Show(std::string(product::kUndoUnreadable) + ":\r\n" + failure.what(), BoxStyle::Ok);
            return;
        }
        if (unloaded_) return;
        TargetFoldersChanged();
        Show(result ? Account(*result) : std::string(product::kUndoOvertaken), BoxStyle::Ok);
    });
}

}  // namespace quire
