#include "engine/run_preview.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "engine/creation_run.h"
#include "engine/listed_folders.h"

namespace quire {

// The dry run's host: every folder it foretells becomes the next row.
class RunPreview::Recorder final : public RunHost {
public:
    explicit Recorder(RunPreview& preview) : preview_(preview) {}

    bool BeforeFolder() override {
        preview_.headNext_ = true;
        return true;
    }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = preview_.pattern_;
        target = preview_.target_;
        return true;
    }
    // Only memory can fail here.
    void InputsFailed(const std::exception&) override { throw; }
    void FolderCreated(const std::string& path) override { Record(path, Outcome::New, {}); }
    void FolderSkipped(const std::string& path) override { Record(path, Outcome::Exists, {}); }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        Record(path, Outcome::Fails, failure.what());
    }
    // The run ends with its last folder.
    void CounterOverflow() override {}

private:
    void Record(const std::string& path, Outcome outcome, std::string_view reason) {
        preview_.Record(path, outcome);
        if (outcome != Outcome::Fails) return;
        const auto [at, added] = reasons_.try_emplace(std::string(reason), 0);
        if (added) {
            preview_.reasons_.emplace_back(reason);
            at->second = static_cast<std::uint32_t>(preview_.reasons_.size());
        }
        preview_.reasonOf_.back() = at->second;
    }

    RunPreview& preview_;
    std::unordered_map<std::string, std::uint32_t> reasons_;
};

RunPreview::RunPreview(const CreationForecast& forecast, const EntryListing* listing,
                       const FolderIdentities& identities, RunPlan plan, std::string pattern,
                       std::string target, char separator)
    : plan_(std::move(plan)),
      pattern_(std::move(pattern)),
      target_(std::move(target)),
      separator_(separator),
      names_(pattern_, plan_.style),
      listed_(plan_.names != nullptr) {
    std::string folder;
    AppendTargetFolder(folder, target_, separator_);
    relative_ = folder.size();
    plan_.targetPlanned = false;
    const ListedFolders listed(forecast, listing, separator_);
    Recorder recorder(*this);
    ForeseeCreationLoop(listed, identities, recorder, plan_, separator_);
    plan_.names = nullptr;
}

void RunPreview::Record(const std::string& path, Outcome outcome) {
    if (listed_ && headNext_) {
        headRow_.push_back(rows_);
        headAt_.push_back(heads_.size());
        heads_.append(path, std::min(relative_, path.size()));
    }
    headNext_ = false;
    switch (outcome) {
        case Outcome::New: ++totals_.fresh; break;
        case Outcome::Exists: ++totals_.existing; break;
        case Outcome::Fails: ++totals_.failing; break;
    }
    if (outcome != Outcome::New) {
        notNew_.push_back(rows_);
        reasonOf_.push_back(0);
    }
    ++rows_;
}

RunPreview::Row RunPreview::At(std::int64_t index) const {
    Row row;
    std::int64_t below = 0;  // the subfolder's place in the numbered folder's tree, from 1
    if (listed_) {
        const auto head = std::upper_bound(headRow_.begin(), headRow_.end(), index) - 1;
        const auto tree = static_cast<std::size_t>(head - headRow_.begin());
        const std::size_t end = tree + 1 < headAt_.size() ? headAt_[tree + 1] : heads_.size();
        row.path.assign(heads_, headAt_[tree], end - headAt_[tree]);
        below = index - *head;
    } else {
        const auto perTree = static_cast<std::int64_t>(plan_.subfolders.size()) + 1;
        const std::int64_t counter = plan_.start + (index / perTree) * plan_.step;
        names_.AppendName(row.path, names_.HasBlock() ? static_cast<std::int32_t>(counter) : 0);
        below = index % perTree;
    }
    if (below > 0) {
        row.path += separator_;
        row.path += plan_.subfolders[static_cast<std::size_t>(below - 1)];
    }
    const auto found = std::lower_bound(notNew_.begin(), notNew_.end(), index);
    if (found != notNew_.end() && *found == index) {
        const std::uint32_t reason = reasonOf_[static_cast<std::size_t>(found - notNew_.begin())];
        row.outcome = reason == 0 ? Outcome::Exists : Outcome::Fails;
        if (reason != 0) row.reason = reasons_[reason - 1];
    }
    return row;
}

}  // namespace quire
