// The per-folder loop shared by the window and the command line.
#include "engine/creation_run.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "engine/name_pattern.h"
#include "engine/path_separators.h"
#include "engine/planned_folders.h"
#include "engine/subfolders.h"
#include "engine/windows_names.h"

namespace quire {

namespace {

// "C:" alone, a drive's current folder where a separator after it would name the drive's root.
bool IsDriveAlone(std::string_view target, char separator) {
    const char letter = static_cast<char>(target.empty() ? 0 : target[0] | 0x20);
    return separator == '\\' && target.size() == 2 && letter >= 'a' && letter <= 'z' &&
           target[1] == ':';
}

}  // namespace

void AppendTargetFolder(std::string& out, std::string_view target, char separator) {
    out.append(target);
    if (!IsDriveAlone(target, separator)) out += separator;
}

std::string TargetProblem(const FolderLookup& files, std::string_view target, char separator) {
    if (target.empty()) return files.FolderProblem(std::string());
    std::string folder;
    AppendTargetFolder(folder, target, separator);
    return files.FolderProblem(folder);
}

std::size_t AppendFolderPath(std::string& out, std::string_view target, char separator,
                             const NamePattern& pattern, std::int32_t counter) {
    AppendTargetFolder(out, target, separator);
    const std::size_t names = out.size();
    pattern.AppendName(out, counter);
    return names;
}

namespace {

// One run of a plan, folder by folder; the path in hand is the only one held.
class PlannedRun {
public:
    // A run through `creation`, or a dry run through `forecast`.
    PlannedRun(FolderCreation* creation, const CreationForecast* forecast,
               const FolderIdentities* identities, RunHost& host, const RunPlan& plan,
               char separator)
        : creation_(creation),
          forecast_(forecast),
          host_(host),
          plan_(plan),
          separator_(separator),
          pattern_({}, plan.style) {
        if (forecast_ != nullptr) planned_.emplace(*identities, *forecast_, separator);
    }

    RunEnd Run() {
        const bool listed = plan_.names != nullptr;
        for (std::int64_t index = 0; listed || index < plan_.count; ++index) {
            if (!host_.BeforeFolder()) return RunEnd::Stopped;
            if (listed) {
                if (const std::optional<RunEnd> end = NextName()) return *end;
            }
            const std::int64_t counter = plan_.start + index * plan_.step;
            bool composed = false;
            lineProblem_.clear();
            try {
                if (!host_.ReadInputs(patternText_, target_)) return RunEnd::Stopped;
                composed = Compose(counter);
            } catch (const std::exception& failure) {
                host_.InputsFailed(failure);
            }
            if (composed) {
                MakeTree();
            } else if (!lineProblem_.empty()) {
                host_.FolderFailed(path_, Failure(lineProblem_));
            }
            if (!listed && !FitsCounter(counter + plan_.step)) {
                host_.CounterOverflow();
                break;
            }
        }
        return RunEnd::Finished;
    }

private:
    static constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

    static bool FitsCounter(std::int64_t counter) {
        return counter >= std::numeric_limits<std::int32_t>::min() && counter <= kLargest;
    }

    // Nothing when a name is in hand; otherwise how the run ends.
    std::optional<RunEnd> NextName() {
        try {
            switch (plan_.names->Read(listed_)) {
                case NameList::Next::Name: return std::nullopt;
                case NameList::Next::End: return RunEnd::Finished;
                case NameList::Next::Stopped: return RunEnd::Stopped;
            }
        } catch (const Failure& failure) {
            host_.ListFailed(failure);
        }
        return RunEnd::Stopped;
    }

    // Why the listed name in hand can name no folder, or the empty text. Takes the name as the
    // pattern in hand.
    std::string ListedProblem(std::int64_t counter) {
        if (!listed_.problem.empty()) return listed_.problem;
        pattern_.Assign(listed_.text);
        if (pattern_.Problem() == PatternProblem::SplitBlocks) {
            return "the #'s in it are not one block";
        }
        if (pattern_.HasBlock()) {
            const std::int64_t lowest = LowestCounter(plan_.style);
            if (counter < lowest) {
                return "its counter, " + std::to_string(counter) + ", is below " +
                       std::to_string(lowest);
            }
            if (counter > kLargest) {
                return "its counter, " + std::to_string(counter) + ", is beyond 2147483647";
            }
        }
        if (HasParentStep(listed_.text, separator_)) {
            return "a \"..\" in it would put the folder outside the target folder";
        }
        return {};
    }

    // The numbered folder's path; false, with the line's problem, for a listed name that can
    // name no folder.
    bool Compose(std::int64_t counter) {
        path_.clear();
        if (plan_.names == nullptr) {
            pattern_.Assign(patternText_);
        } else if (std::string problem = ListedProblem(counter); !problem.empty()) {
            AppendTargetFolder(path_, target_, separator_);
            path_.append(listed_.text);
            lineProblem_ = "line " + std::to_string(listed_.line) + ": " + problem;
            return false;
        }
        relative_ = AppendFolderPath(path_, target_, separator_, pattern_,
                                     pattern_.HasBlock() ? static_cast<std::int32_t>(counter) : 0);
        return true;
    }

    void MakeTree() {
        const std::size_t folder = path_.size();
        Make();
        for (const std::string& subfolder : plan_.subfolders) {
            path_.resize(folder);
            path_ += separator_;
            path_ += subfolder;
            Make();
        }
        // Numbered folders never meet again; only listed names, and a pattern without a counter,
        // may repeat or nest.
        if (Foresee() && plan_.names == nullptr && pattern_.HasBlock()) planned_->Clear();
    }

    // The folder at path_, whose names from relative_ on are the run's own.
    void Make() {
        if (plan_.portable) {
            std::string problem =
                windows::RelativePathProblem(std::string_view(path_).substr(relative_), separator_);
            if (!problem.empty()) {
                host_.FolderFailed(path_, Failure(problem));
                return;
            }
        }
        try {
            const Creation creation =
                forecast_ != nullptr ? Predict() : creation_->CreateFolderUnlessExists(path_);
            if (creation == Creation::Existed) {
                host_.FolderSkipped(path_);
            } else {
                host_.FolderCreated(path_);
            }
        } catch (const Failure& failure) {
            host_.FolderFailed(path_, failure);
        }
    }

    Creation Predict() {
        using enum Creation;
        const bool inPlannedTarget = plan_.targetPlanned && NamedInTarget();
        const auto predict = [&](bool inPlanned) {
            return inPlanned ? forecast_->PredictCreationInPlannedFolder(path_)
                             : forecast_->PredictCreation(path_);
        };
        if (!Foresee()) return predict(inPlannedTarget);
        const PlannedFolders::Place place = planned_->Find(path_, relative_);
        if (place.planned) return Existed;
        const Creation creation = predict(place.inPlanned || inPlannedTarget);
        if (creation == Created) planned_->Add(place);
        return creation;
    }

    // Whether to remember the folders foretold, for the folders in them and names that repeat.
    bool Foresee() const {
        return forecast_ != nullptr &&
               (plan_.names != nullptr || !plan_.subfolders.empty() || !pattern_.HasBlock());
    }

    // True when path_ names a folder directly inside the target: one name after it.
    bool NamedInTarget() const {
        const auto isSeparator = [this](char c) { return IsSeparator(c, separator_); };
        std::size_t end = path_.size();
        while (end > relative_ && isSeparator(path_[end - 1])) --end;
        return std::none_of(path_.begin() + static_cast<std::ptrdiff_t>(relative_),
                            path_.begin() + static_cast<std::ptrdiff_t>(end), isSeparator);
    }

    FolderCreation* creation_;
    const CreationForecast* forecast_;
    RunHost& host_;
    const RunPlan& plan_;
    char separator_;
    std::optional<PlannedFolders> planned_;  // a dry run's
    ListedName listed_;
    std::string patternText_;  // as the host gives it; parsed into pattern_ when it changes
    NamePattern pattern_;
    std::string target_;
    std::string path_;
    std::size_t relative_ = 0;  // where the names of path_ that the run makes begin
    std::string lineProblem_;
};

}  // namespace

RunEnd RunCreationLoop(FolderCreation& creation, RunHost& host, const RunPlan& plan,
                       char separator) {
    return PlannedRun(&creation, nullptr, nullptr, host, plan, separator).Run();
}

RunEnd RunCreationLoop(FolderCreation& creation, RunHost& host, std::int32_t count,
                       char separator) {
    RunPlan plan;
    plan.count = count;
    return RunCreationLoop(creation, host, plan, separator);
}

RunEnd ForeseeCreationLoop(const CreationForecast& forecast, const FolderIdentities& identities,
                           RunHost& host, const RunPlan& plan, char separator) {
    return PlannedRun(nullptr, &forecast, &identities, host, plan, separator).Run();
}

}  // namespace quire
