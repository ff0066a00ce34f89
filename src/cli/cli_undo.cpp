#include "cli/cli_undo.h"

#include <optional>
#include <string>

#include "cli/printable_text.h"
#include "engine/undo.h"

namespace quire::cli {
namespace {

class CliUndoHost final : public UndoHost {
public:
    CliUndoHost(const UndoOptions& options, CliContext& context)
        : options_(options), context_(context) {}

    bool BeforeFolder(std::int64_t done, std::int64_t total) override {
        if (context_.stopSignal() != 0 || (options_.dryRun && !context_.out)) return false;
        if (context_.progress && !options_.quiet) {
            if (!progress_)
                progress_.emplace(context_.err, total, ProgressPrinter::Clock::now(),
                                  context_.columns);
            progress_->Update(done, ProgressPrinter::Clock::now());
        }
        return true;
    }

    void Removed(const std::string& path) override {
        if (options_.dryRun) context_.out << Printable(path, context_.separator) << '\n';
    }

    void Kept(const std::string& path, std::string_view reason) override {
        Finish();
        context_.err << "quirebatch-cli: kept: " + Printable(path, context_.separator) + ": " +
                            std::string(reason) + '\n';
    }

    void Finish() {
        if (progress_) progress_->Finish();
    }

private:
    const UndoOptions& options_;
    CliContext& context_;
    std::optional<ProgressPrinter> progress_;
};

}  // namespace

int UndoFromCommandLine(const UndoOptions& options, CliContext& context) {
    if (context.journal == nullptr) {
        context.err << "quirebatch-cli: nothing to undo\n";
        return kExitBadInput;
    }
    CliUndoHost host(options, context);
    std::optional<UndoResult> result;
    try {
        result = UndoLastRun(context.files.removal, context.files.identities, context.files.lookup,
                             *context.journal, host, options.dryRun);
    } catch (const JournalBusy& busy) {
        host.Finish();
        context.err << "quirebatch-cli: the last run is still in progress; undo it once it has "
                       "ended: " +
                           Printable(busy.what(), context.separator) + '\n';
        return kExitBadInput;
    } catch (const Failure& failure) {
        host.Finish();
        context.err << "quirebatch-cli: the journal of the last run cannot be read: " +
                           Printable(failure.what(), context.separator) + '\n';
        return kExitBadInput;
    }
    host.Finish();
    if (!result) {
        context.err << "quirebatch-cli: nothing to undo\n";
        return kExitBadInput;
    }
    const auto printable = [&context](const std::string& text) {
        return Printable(text, context.separator);
    };
    if (!result->targetProblem.empty()) {
        context.err << "quirebatch-cli: " + printable(result->target) + ": " +
                           printable(result->targetProblem) +
                           "\nquirebatch-cli: the last run's target folder cannot be found: "
                           "nothing was removed, and the journal is kept for an undo once it "
                           "is back\n";
        return kExitFailed;
    }
    if (!result->unmarked.empty()) {
        context.err << "quirebatch-cli: the journal could not be marked undone: " +
                           printable(result->unmarked) + '\n';
    }
    if (result->incomplete) {
        context.err << "quirebatch-cli: the journal of the last run is incomplete (the run was "
                       "killed, or its journal could not be written): folders it made after "
                       "the journal's last entry are not known to undo, and stay\n";
    }
    if (!options.quiet) {
        const std::string removed = std::to_string(result->removed);
        const std::string kept = std::to_string(result->kept);
        context.out << (options.dryRun ? "would remove " + removed + ", would keep " + kept
                                       : "removed " + removed + ", kept " + kept) +
                           '\n';
    }
    context.out.flush();
    if (const int signal = context.stopSignal(); signal != 0) return kExitSignalBase + signal;
    if (result->stopped || result->kept > 0 || !result->unmarked.empty() || result->incomplete) {
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace quire::cli
