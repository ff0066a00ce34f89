#include "cli/cli_run.h"

#include <optional>

#include "engine/count_text.h"
#include "engine/creation_run.h"

namespace quire::cli {
namespace {

constexpr char kSeparator = '/';

class CliHost final : public RunHost {
public:
    CliHost(const RunOptions& options, CliContext& context, std::optional<ProgressPrinter>& progress)
        : options_(options), context_(context), progress_(progress) {}

    std::int64_t created = 0;
    std::int64_t skipped = 0;
    std::int64_t failed = 0;

    bool BeforeFolder() override {
        if (context_.interrupted()) return false;
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
        if (options_.dryRun) context_.out << path << '\n';
    }
    void FolderSkipped(const std::string&) override { ++skipped; }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        ++failed;
        if (progress_) progress_->Finish();
        context_.err << "error: " << path << ": " << failure.what() << '\n';
    }
    void CounterOverflow() override {}

private:
    const RunOptions& options_;
    CliContext& context_;
    std::optional<ProgressPrinter>& progress_;
};

}  // namespace

int RunFromCommandLine(const RunOptions& options, CliContext& context) {
    if (const auto refusal = ValidateRun(context.files, options.target, options.pattern,
                                         options.count, ".", kSeparator)) {
        context.err << refusal->message << '\n';
        return kExitBadInput;
    }
    const auto count = ConvertCount(options.count, ".");
    if (!count) {
        context.err << options.count << " does not fit a 32-bit count.\n";
        return kExitBadInput;
    }

    std::optional<ProgressPrinter> progress;
    if (context.progress && !options.quiet) {
        progress.emplace(context.err, *count, ProgressPrinter::Clock::now());
    }
    CliHost host(options, context, progress);
    const RunEnd end = RunCreationLoop(context.files, host, *count, kSeparator, options.dryRun);
    if (progress) progress->Finish();

    if (!options.quiet) {
        context.out << "created " << host.created << ", skipped " << host.skipped << ", failed "
                    << host.failed << '\n';
    }
    context.out.flush();
    if (end == RunEnd::Stopped) return kExitInterrupted;
    return host.failed > 0 ? kExitSomeFailed : kExitDone;
}

}  // namespace quire::cli
