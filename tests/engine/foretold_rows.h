// The rows of a preview, and the folders the plain dry run foretells one by one, in one form to
// compare: "path: new", "path: exists", "path: would fail: why", the path after the target.
#pragma once

#include <string>
#include <vector>

#include "engine/creation_run.h"
#include "engine/run_preview.h"

namespace quire {

inline std::vector<std::string> PreviewRows(const RunPreview& preview) {
    std::vector<std::string> rows;
    for (std::int64_t i = 0; i < preview.Size(); ++i) {
        const RunPreview::Row row = preview.At(i);
        using enum RunPreview::Outcome;
        rows.push_back(row.path + (row.outcome == New      ? ": new"
                                   : row.outcome == Exists ? ": exists"
                                                           : ": would fail: " + row.reason));
    }
    return rows;
}

// The dry run as the command line makes it: a look at every folder.
class DryRunRows final : public RunHost {
public:
    DryRunRows(std::string pattern, std::string target, std::size_t relative)
        : pattern_(std::move(pattern)), target_(std::move(target)), relative_(relative) {}
    std::vector<std::string> rows;

    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = pattern_;
        target = target_;
        return true;
    }
    void InputsFailed(const std::exception&) override { throw; }
    void FolderCreated(const std::string& path) override { Add(path, ": new"); }
    void FolderSkipped(const std::string& path) override { Add(path, ": exists"); }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        Add(path, std::string(": would fail: ") + failure.what());
    }
    void CounterOverflow() override {}

private:
    void Add(const std::string& path, const std::string& outcome) {
        rows.push_back(path.substr(relative_) + outcome);
    }
    std::string pattern_;
    std::string target_;
    std::size_t relative_;
};

template <class Files>
std::vector<std::string> DryRun(const Files& files, const RunPlan& plan, const std::string& pattern,
                                const std::string& target, char separator) {
    DryRunRows host(pattern, target, target.size() + 1);
    ForeseeCreationLoop(files, files, host, plan, separator);
    return host.rows;
}

}  // namespace quire
