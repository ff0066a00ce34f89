// The preview of a run of 1,000,000 folders on tmpfs, a tenth of them there already: the time to
// its totals and first screen of rows, and the memory it adds at its peak; beside it the plain dry
// run, which looks at every folder. Usage: preview_bench [FOLDER ON TMPFS] (default /dev/shm).
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "engine/creation_run.h"
#include "engine/run_preview.h"
#include "peak_memory.h"
#include "platform/posix/posix_file_system.h"

namespace {

constexpr std::int64_t kFolders = 1'000'000;
constexpr int kScreen = 40;  // rows a list shows at once

long ResidentKiB() {
    std::FILE* status = std::fopen("/proc/self/statm", "r");
    long pages = 0;
    long resident = 0;
    if (status == nullptr || std::fscanf(status, "%ld %ld", &pages, &resident) != 2) resident = -1;
    if (status != nullptr) std::fclose(status);
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The processor time the process has used, in seconds: on a busy machine the wall clock also
// counts the other programs' turns.
double ProcessorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

class CountingHost final : public quire::RunHost {
public:
    std::int64_t folders = 0;
    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = "Folder #######";
        target = target_;
        return true;
    }
    void InputsFailed(const std::exception&) override {}
    void FolderCreated(const std::string&) override { ++folders; }
    void FolderSkipped(const std::string&) override { ++folders; }
    void FolderFailed(const std::string&, const quire::Failure&) override { ++folders; }
    void CounterOverflow() override {}
    std::string target_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    std::string made = base + "/quire-preview-XXXXXX";
    if (::mkdtemp(made.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string target = made;
    quire::RunPlan plan;
    plan.count = kFolders;
    const quire::NamePattern pattern("Folder #######");
    for (std::int32_t counter = 1; counter <= kFolders; counter += 10) {
        ::mkdir((target + "/" + pattern.Name(counter)).c_str(), 0755);
    }

    const long before = ResidentKiB();
    const auto start = std::chrono::steady_clock::now();
    const double processor = ProcessorSeconds();
    quire::PosixFileSystem files;
    const quire::RunPreview preview(files, &files, files, plan, "Folder #######", target, '/');
    const double totals = Seconds(start);
    std::size_t shown = 0;
    for (int row = 0; row < kScreen; ++row) shown += preview.At(row).path.size();
    const double screen = Seconds(start);
    const double screenProcessor = ProcessorSeconds() - processor;
    const long added = PeakKiB() - before;

    const auto dryStart = std::chrono::steady_clock::now();
    CountingHost host;
    host.target_ = target;
    quire::ForeseeCreationLoop(files, files, host, plan, '/');
    const double dry = Seconds(dryStart);

    const quire::RunPreview::Totals& count = preview.Count();
    std::printf("preview of %lld folders on %s: %lld new, %lld exist, %lld would fail\n",
                static_cast<long long>(preview.Size()), base.c_str(),
                static_cast<long long>(count.fresh), static_cast<long long>(count.existing),
                static_cast<long long>(count.failing));
    std::printf(
        "  totals %.3f s, totals and first screen (%d rows, %zu bytes) %.3f s (%.3f s of "
        "processor time)\n",
        totals, kScreen, shown, screen, screenProcessor);
    std::printf("  peak memory added %.1f MB\n", static_cast<double>(added) / 1024.0);
    std::printf("  the plain dry run (a look at every folder) %.3f s for %lld folders\n", dry,
                static_cast<long long>(host.folders));
    std::error_code ignored;
    std::filesystem::remove_all(target, ignored);
    return 0;
}
