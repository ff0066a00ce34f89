#include "cli/cli_run.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "engine/count_text.h"
#include "engine/creation_run.h"

namespace quire::cli {
namespace {

constexpr char kSeparator = '/';

// Creates nothing: says where the real run would meet an existing entry or a missing parent.
class DryRunFileSystem final : public FileSystem {
public:
    explicit DryRunFileSystem(FileSystem& real) : real_(real) {}

    bool FolderExists(const std::string& path) const override { return real_.FolderExists(path); }
    bool PathExists(const std::string& path) const override { return real_.PathExists(path); }
    bool PlainFileExists(const std::string& path) const override {
        return real_.PlainFileExists(path);
    }

    void CreateFolder(const std::string& path) override {
        if (real_.PathExists(path)) throw Failure(std::strerror(EEXIST));
        const std::size_t slash = path.rfind(kSeparator);
        if (slash != std::string::npos && slash > 0 && !real_.FolderExists(path.substr(0, slash))) {
            throw Failure(std::strerror(ENOENT));
        }
    }

private:
    FileSystem& real_;
};

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

    void ReadInputs(std::string& pattern, std::string& target) override {
        pattern = options_.pattern;
        target = options_.target;
    }

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
                                         options.count, ".")) {
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
    DryRunFileSystem dryRun(context.files);
    FileSystem& files = options.dryRun ? dryRun : context.files;
    CliHost host(options, context, progress);
    const RunEnd end = RunCreationLoop(files, host, *count, kSeparator);
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
