#include "cli/cli_run.h"

#include <optional>
#include <string>

#include "cli/printable_text.h"
#include "engine/count_text.h"
#include "engine/creation_run.h"
#include "engine/missing_target.h"
#include "engine/name_pattern.h"
#include "engine/run_journal.h"
#include "engine/run_plan.h"
#include "engine/subfolders.h"

namespace quire::cli {
namespace {

// A line of the tool's own, named as every tool's messages are.
std::string Said(std::string_view text) { return "quirebatch-cli: " + std::string(text); }

// The folder the run's first folder is made in: the target, or the one --parents starts from.
std::string MadeIn(const std::string& target, const MissingTarget& missing) {
    if (missing.missing.empty()) return target;
    return missing.existing.empty() ? std::string(".") : missing.existing;
}

class CliHost final : public RunHost {
public:
    CliHost(const RunOptions& options, CliContext& context,
            std::optional<ProgressPrinter>& progress, RunJournal* journal)
        : options_(options), context_(context), progress_(progress), journal_(journal) {}

    std::int64_t created = 0;
    std::int64_t skipped = 0;
    std::int64_t failed = 0;
    bool listFailed = false;

    bool BeforeFolder() override {
        if (context_.stopSignal() != 0 || (options_.dryRun && !context_.out)) return false;
        if (progress_) progress_->Update(created + skipped + failed, ProgressPrinter::Clock::now());
        return true;
    }

    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = options_.pattern;
        target = options_.target;
        return true;
    }
    // Only memory can fail here, and that ends the tool.
    void InputsFailed(const std::exception&) override { throw; }

    // The one place where a folder is known to be made.
    void FolderCreated(const std::string& path) override {
        ++created;
        if (journal_ != nullptr) journal_->FolderCreated(path);
        if (!options_.dryRun) return;
        if (options_.nullSeparated) {
            context_.out << path << '\0';
        } else {
            context_.out << Printable(path, context_.separator) << '\n';
        }
    }
    void FolderSkipped(const std::string&) override { ++skipped; }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        ++failed;
        if (progress_) progress_->Finish();
        context_.err << "quirebatch-cli: error: " + Printable(path, context_.separator) + ": " +
                            failure.what() + '\n';
    }
    void CounterOverflow() override {}
    void ListFailed(const Failure& failure) override {
        listFailed = true;
        if (progress_) progress_->Finish();
        context_.err << "quirebatch-cli: " + Printable(*options_.namesFile, context_.separator) +
                            ": " + failure.what() + '\n';
    }

private:
    const RunOptions& options_;
    CliContext& context_;
    std::optional<ProgressPrinter>& progress_;
    RunJournal* journal_;
};

std::unique_ptr<RunJournal> StartJournal(const RunOptions& options, const std::string& target,
                                         CliContext& context, const RunPlan& plan,
                                         std::optional<ProgressPrinter>& progress) {
    if (options.dryRun || options.noJournal || context.journal == nullptr) return nullptr;
    const bool listed = plan.names != nullptr;
    return std::make_unique<RunJournal>(
        context.files.identities, *context.journal,
        DescribeRun(target, listed ? std::string() : options.pattern, listed, plan.count,
                    context.separator),
        [&context, &progress](const Failure& failure) {
            if (progress) progress->Finish();
            context.err << "quirebatch-cli: warning: no journal of this run, undo "
                           "will not know it: " +
                               Printable(failure.what(), context.separator) + '\n';
        },
        context.startHelper);
}

// Everything a run needs that is read before it starts.
struct Prepared {
    RunPlan plan;
    std::unique_ptr<ByteSource> source;
    std::optional<NameList> names;
    MissingTarget target;  // what --parents makes before the run
};

class Preparation {
public:
    Preparation(const RunOptions& options, CliContext& context)
        : options_(options), context_(context), separator_(context.separator) {}

    // The reason a run does not start, or nothing when it may.
    std::optional<std::string> Prepare(Prepared& prepared) {
        if (options_.parents) {
            try {
                prepared.target =
                    FindMissingTarget(context_.files.lookup, options_.target, separator_);
            } catch (const Failure&) {
                // Something that is no folder stands in the way: the target check says what.
            }
        }
        // With folders to make, the inputs are checked against the folder they are made in.
        const MissingTarget& target = prepared.target;
        const std::string checked = MadeIn(options_.target, target);
        const bool listed = options_.namesFile.has_value();
        auto planned = PlanRun(context_.files.lookup, options_.run,
                               RunRequest{.target = checked,
                                          .pattern = options_.pattern,
                                          .count = options_.count,
                                          .listed = listed,
                                          .targetMade = !target.missing.empty()},
                               separator_);
        const RunRefusal* refusal = std::get_if<RunRefusal>(&planned);
        if (auto refused = Refused(refusal)) return refused;
        RunPlan& plan = prepared.plan = std::get<RunPlan>(std::move(planned));
        plan.targetPlanned = options_.dryRun && !target.missing.empty();
        if (listed) {
            try {
                prepared.source = context_.openNames(*options_.namesFile);
            } catch (const Failure& failure) {
                return Named(*options_.namesFile) + ": " + failure.what();
            }
            plan.names = &prepared.names.emplace(*prepared.source);
        }
        return std::nullopt;
    }

private:
    std::string Named(std::string_view text) const {
        return Said(text.empty() ? std::string("''") : Printable(text, separator_));
    }

    // A refusal that the operands in another order would likely not have met (a pattern where
    // the count goes, a number where the target goes) says the order on a line of its own.
    std::string WithOrderHint(std::string refusal) const {
        const auto patternLike = [](std::string_view text) {
            return NamePattern(text).Problem() != PatternProblem::NoBlock;
        };
        if (options_.namesFile) return refusal;
        if (patternLike(options_.count) || patternLike(options_.target) ||
            IsNumber(options_.pattern, ".") || IsNumber(options_.target, ".")) {
            refusal +=
                "\nquirebatch-cli: the order is PATTERN COUNT TARGET, as in: "
                "quirebatch-cli \"Folder ###\" 20 ~/Jobs";
        }
        return refusal;
    }

    // The engine's refusal, with the tool's own refusal of a pattern that leaves the target after
    // the pattern's check and before the count's.
    std::optional<std::string> Refused(const RunRefusal* refusal) const {
        using enum RunRefusal::Input;
        if (refusal != nullptr && (refusal->input == Target || refusal->input == Pattern)) {
            return Worded(*refusal);
        }
        if (!options_.namesFile && HasParentStep(options_.pattern, separator_)) {
            return Named(options_.pattern) +
                   ": a \"..\" in the pattern would put folders outside the target folder";
        }
        if (refusal == nullptr) return std::nullopt;
        return Worded(*refusal);
    }

    // The refusal in the tool's words, led by what it is about.
    std::string Worded(const RunRefusal& refusal) const {
        using enum RunRefusal::Input;
        const quire::RunOptions& run = options_.run;
        switch (refusal.input) {
            case Target:
                return WithOrderHint(Named(options_.target) + ": " + refusal.detail + '\n' +
                                     Said(kInvalidFolderMessage));
            case Pattern: return WithOrderHint(Said(refusal.message));
            case Count:
                return WithOrderHint(
                    Said(Printable(options_.count, separator_).append(kNotANumberSuffix)));
            case CountSize:
                return Said(Printable(options_.count, separator_) +
                            " does not fit a 32-bit count.");
            case Counters:
                return Said("--start ") + std::to_string(run.start) +
                       (run.continueNumbering ? " --continue" : "") + " --step " +
                       std::to_string(run.step) + ": " + refusal.message;
            case Each:
                return "quirebatch-cli: --each " +
                       (refusal.detail.empty() ? std::string("''")
                                               : Printable(refusal.detail, separator_)) +
                       ": " + refusal.message;
            case Template:
                return "quirebatch-cli: --template " + Printable(refusal.message, separator_);
            case Continue:
                return "quirebatch-cli: --continue: " + Printable(refusal.message, separator_);
        }
        return Said(refusal.message);
    }

    const RunOptions& options_;
    CliContext& context_;
    char separator_;
};

// Makes the folders --parents makes before the run, outermost first, and tells the host of each
// as of any folder; a dry run foresees them, each but the first made in one foreseen before it.
// False when one of them fails: the run's folders could not be made.
bool MakeMissingTarget(const MissingTarget& target, const RunOptions& options, CliContext& context,
                       CliHost& host) {
    using enum Creation;
    bool first = true;
    for (const std::string& path : target.missing) {
        try {
            const Creation creation =
                !options.dryRun ? context.files.creation.CreateFolderUnlessExists(path)
                : first         ? context.files.forecast.PredictCreation(path)
                                : context.files.forecast.PredictCreationInPlannedFolder(path);
            if (creation == Created) {
                host.FolderCreated(path);
            } else {
                host.FolderSkipped(path);
            }
        } catch (const Failure& failure) {
            host.FolderFailed(path, failure);
            return false;
        }
        first = false;
    }
    return true;
}

}  // namespace

int RunFromCommandLine(const RunOptions& options, CliContext& context) {
    Prepared prepared;
    if (const auto refusal = Preparation(options, context).Prepare(prepared)) {
        context.err << *refusal + '\n';
        return kExitBadInput;
    }
    const RunPlan& plan = prepared.plan;

    std::optional<ProgressPrinter> progress;
    if (context.progress && !options.quiet) {
        const auto folders = static_cast<std::int64_t>(plan.subfolders.size() + 1);
        progress.emplace(context.err, plan.names != nullptr ? 0 : plan.count * folders,
                         ProgressPrinter::Clock::now(), context.columns);
    }
    std::ostream& summary = options.nullSeparated ? context.err : context.out;
    if (options.dryRun && options.run.continueNumbering && !options.quiet) {
        summary << "first counter " + std::to_string(plan.start) + " (" +
                       Printable(NamePattern(options.pattern, plan.style).Name(plan.start),
                                 context.separator) +
                       ")\n";
    }
    const MissingTarget& target = prepared.target;
    // A run that makes its target is journaled as one in the folder it made it in, so that undo
    // takes the target and its parents too, after their insides, when they are empty.
    const std::unique_ptr<RunJournal> journal =
        StartJournal(options, MadeIn(options.target, target), context, plan, progress);
    CliHost host(options, context, progress, journal.get());
    const auto loop = [&] {
        const FilePorts& files = context.files;
        return options.dryRun ? ForeseeCreationLoop(files.forecast, files.identities, host, plan,
                                                    context.separator)
                              : RunCreationLoop(files.creation, host, plan, context.separator);
    };
    const RunEnd end = MakeMissingTarget(target, options, context, host) ? loop() : RunEnd::Stopped;
    if (journal) journal->Finish();
    if (progress) progress->Finish();

    if (!options.quiet) {
        summary << "created " + std::to_string(host.created) + ", skipped " +
                       std::to_string(host.skipped) + ", failed " + std::to_string(host.failed) +
                       '\n';
    }
    context.out.flush();
    if (const int signal = context.stopSignal(); signal != 0) return kExitSignalBase + signal;
    if (end == RunEnd::Stopped || host.failed > 0 || host.listFailed) return kExitFailed;
    return kExitDone;
}

}  // namespace quire::cli
