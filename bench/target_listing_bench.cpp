// What the preview costs while continuing the numbering in a target of 100,000 folders on tmpfs:
// the look that lists the target (a new target, a run, other options) and a key typed in the
// pattern box, which looks in the listing kept.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/posix/posix_file_system.h"
#include "ui/target_listing.h"

namespace {

constexpr int kFolders = 100'000;

// The target, made once and removed at the end.
class Target {
public:
    Target() {
        std::filesystem::create_directories(path);
        for (int i = 1; i <= kFolders; ++i) {
            ::mkdir((path + "/Folder " + std::to_string(i)).c_str(), 0777);
        }
    }
    ~Target() { std::filesystem::remove_all(path); }
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

    const std::string path = "/dev/shm/quire-preview-bench";
};

const Target& TheTarget() {
    static const Target target;
    return target;
}

void BM_PreviewListsTheTarget(benchmark::State& state) {
    const quire::PosixFileSystem files;
    const quire::NamePattern pattern("Folder ###");
    quire::TargetListing listing;
    const std::string& target = TheTarget().path;
    for (auto _ : state) {
        listing.Forget();
        benchmark::DoNotOptimize(listing.Highest(files, target, pattern, '/'));
    }
}
BENCHMARK(BM_PreviewListsTheTarget)->Unit(benchmark::kMillisecond);

void BM_PreviewKeyInThePattern(benchmark::State& state) {
    const quire::PosixFileSystem files;
    const quire::NamePattern pattern("Folder ###");
    quire::TargetListing listing;
    const std::string& target = TheTarget().path;
    listing.Highest(files, target, pattern, '/');
    for (auto _ : state) {
        benchmark::DoNotOptimize(listing.Highest(files, target, pattern, '/'));
    }
}
BENCHMARK(BM_PreviewKeyInThePattern)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
