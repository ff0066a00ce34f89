#include "cli/cli_run.h"

#include <optional>
#include <string>

#include "cli/printable_text.h"
#include "engine/count_text.h"
#include "engine/creation_run.h"

namespace quire::cli {
namespace {

constexpr char kSeparator = '/';

// A ".." component would put folders beside or above the target: from a script that is a slip,
// not a wish.
bool LeavesTarget(std::string_view pattern) {
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(kSeparator, start), pattern.size());
        if (pattern.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

class CliHost final : public RunHost {
public:
    CliHost(const RunOptions& options, CliContext& context,
            std::optional<ProgressPrinter>& progress)
        : options_(options), context_(context), progress_(progress) {}

    std::int64_t created = 0;
    std::int64_t skipped = 0;
    std::int64_t failed = 0;

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

    void FolderCreated(const std::string& path) override {
        ++created;
        if (!options_.dryRun) return;
        if (options_.nullSeparated) {
            context_.out << path << '\0';
        } else {
            context_.out << Printable(path) << '\n';
        }
    }
    void FolderSkipped(const std::string&) override { ++skipped; }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        ++failed;
        if (progress_) progress_->Finish();
        context_.err << "error: " + Printable(path) + ": " + failure.what() + '\n';
    }
    void CounterOverflow() override {}

private:
    const RunOptions& options_;
    CliContext& context_;
    std::optional<ProgressPrinter>& progress_;
};

// The reason a run does not start, in the window's order (target, pattern, count), with the
// tool's own refusal of a pattern that leaves the target before the count; nothing when it may.
std::optional<std::string> Refusal(const RunOptions& options, const FileSystem& files) {
    const auto refusal =
        ValidateRun(files, options.target, options.pattern, options.count, ".", kSeparator);
    using enum RunRefusal::Input;
    if (refusal && refusal->input == Target) {
        const std::string target = options.target.empty() ? "''" : Printable(options.target);
        return "quirebatch-cli: " + target + ": " + refusal->detail + '\n' + refusal->message;
    }
    if (refusal && refusal->input == Pattern) return refusal->message;
    if (LeavesTarget(options.pattern)) {
        return "quirebatch-cli: " + Printable(options.pattern) +
               ": a \"..\" in the pattern would put folders outside the target folder";
    }
    if (refusal) return Printable(options.count).append(kNotANumberSuffix);
    if (!ConvertCount(options.count, ".")) {
        return Printable(options.count) + " does not fit a 32-bit count.";
    }
    return std::nullopt;
}

}  // namespace

int RunFromCommandLine(const RunOptions& options, CliContext& context) {
    if (const auto refusal = Refusal(options, context.files)) {
        context.err << *refusal + '\n';
        return kExitBadInput;
    }
    const std::int32_t count = *ConvertCount(options.count, ".");

    std::optional<ProgressPrinter> progress;
    if (context.progress && !options.quiet) {
        progress.emplace(context.err, count, ProgressPrinter::Clock::now());
    }
    CliHost host(options, context, progress);
    const RunEnd end = RunCreationLoop(context.files, host, count, kSeparator, options.dryRun);
    if (progress) progress->Finish();

    if (!options.quiet) {
        std::ostream& summary = options.nullSeparated ? context.err : context.out;
        summary << "created " + std::to_string(host.created) + ", skipped " +
                       std::to_string(host.skipped) + ", failed " + std::to_string(host.failed) +
                       '\n';
    }
    context.out.flush();
    if (const int signal = context.stopSignal(); signal != 0) return kExitSignalBase + signal;
    if (end == RunEnd::Stopped || host.failed > 0) return kExitFailed;
    return kExitDone;
}

}  // namespace quire::cli
