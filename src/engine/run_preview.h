// Every folder a run would make, foretold from its plan, for a list that shows them: each row made
// when it is asked for, the totals counted once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/creation_forecast.h"
#include "engine/entry_listing.h"
#include "engine/folder_identities.h"
#include "engine/name_pattern.h"
#include "engine/run_plan.h"

namespace quire {

class RunPreview {
public:
    enum class Outcome : std::uint8_t { New, Exists, Fails };

    struct Row {
        std::string path;  // relative to the target
        Outcome outcome = Outcome::New;
        std::string reason;  // why it would fail, in the system's words
    };

    struct Totals {
        std::int64_t fresh = 0;
        std::int64_t existing = 0;
        std::int64_t failing = 0;
        bool operator==(const Totals&) const = default;
    };

    // Foretells the dry run of `plan` (its list, if any, read to the end) with the pattern and
    // the target as the run reads them; the folders are looked at through one listing of each
    // folder the run makes folders in (ListedFolders), where `listing` gives one. Keeps what a
    // row cannot be made from again: the rows that exist or would fail and their reasons, and a
    // listed run's names.
    RunPreview(const CreationForecast& forecast, const EntryListing* listing,
               const FolderIdentities& identities, RunPlan plan, std::string pattern,
               std::string target, char separator);

    std::int64_t Size() const { return rows_; }
    const Totals& Count() const { return totals_; }
    // The row at `index`, in run order; 0 <= index < Size().
    Row At(std::int64_t index) const;

    // The rows that exist or would fail, in run order: how many, and the index of each.
    std::int64_t NotNewSize() const { return static_cast<std::int64_t>(notNew_.size()); }
    std::int64_t NotNewIndex(std::int64_t at) const {
        return notNew_[static_cast<std::size_t>(at)];
    }

private:
    class Recorder;

    void Record(const std::string& path, Outcome outcome);

    RunPlan plan_;
    std::string pattern_;
    std::string target_;
    char separator_;
    NamePattern names_;
    std::size_t relative_ = 0;  // where a path's names that the run makes begin
    std::int64_t rows_ = 0;
    Totals totals_;
    std::vector<std::int64_t> notNew_;
    std::vector<std::uint32_t> reasonOf_;  // beside notNew_: 0 exists, else 1 + into reasons_
    std::vector<std::string> reasons_;     // each reason once
    // A listed run's numbered folders, which a row's index cannot spell: where each begins among
    // the rows, and its path after the target in heads_.
    bool listed_ = false;
    bool headNext_ = false;
    std::string heads_;
    std::vector<std::uint64_t> headAt_;
    std::vector<std::int64_t> headRow_;
};

}  // namespace quire
