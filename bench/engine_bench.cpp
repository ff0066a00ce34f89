// What the engine itself costs per folder, with a file system that does nothing: the name, the
// path and the loop, measured apart from the platform's folder creation.
#include <benchmark/benchmark.h>

#include "engine/creation_run.h"
#include "engine/name_pattern.h"

namespace {

class NullCreation final : public quire::FolderCreation {
public:
    quire::Creation CreateFolderUnlessExists(const std::string& path) override {
        benchmark::DoNotOptimize(path.data());
        return quire::Creation::Created;
    }
};

class FixedHost final : public quire::RunHost {
public:
    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = "Folder ######";
        target = "/dev/shm/quire-bench";
        return true;
    }
    void InputsFailed(const std::exception&) override {}
    void FolderCreated(const std::string&) override {}
    void FolderSkipped(const std::string&) override {}
    void FolderFailed(const std::string&, const quire::Failure&) override {}
    void CounterOverflow() override {}
};

void BM_FolderName(benchmark::State& state) {
    const quire::NamePattern pattern("Folder ######");
    std::int32_t counter = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern.Name(++counter));
    }
}
BENCHMARK(BM_FolderName);

void BM_CreationLoopPerFolder(benchmark::State& state) {
    NullCreation files;
    FixedHost host;
    for (auto _ : state) {
        quire::RunCreationLoop(files, host, static_cast<std::int32_t>(state.range(0)), '/');
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CreationLoopPerFolder)->Arg(100'000);

}  // namespace

BENCHMARK_MAIN();
