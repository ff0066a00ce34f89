// A run that creates the numbered folders 1 to N inside a target folder.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "engine/creation_forecast.h"
#include "engine/failure.h"
#include "engine/folder_creation.h"
#include "engine/folder_identities.h"
#include "engine/folder_lookup.h"
#include "engine/name_pattern.h"
#include "engine/run_plan.h"

namespace quire {

// Appends the folder the run's paths are made in: the target and the separator, but a drive alone
// ("C:") on Windows, which names that drive's current folder as the system reads it, without the
// separator that would turn it into the drive's root. The one reading of a target, for the window
// and the command line alike.
void AppendTargetFolder(std::string& out, std::string_view target, char separator);

// Why the target text cannot hold a run, or the empty text when it can. The folder checked is the
// one the run's paths are made in (AppendTargetFolder), so that the check and
// the creation never read the text differently; an empty target is never a folder.
std::string TargetProblem(const FolderLookup& files, std::string_view target, char separator);

// Appends the target's folder (AppendTargetFolder) and the pattern's name for `counter`; nothing
// is trimmed or collapsed. Gives the size of `out` where the folder name begins.
std::size_t AppendFolderPath(std::string& out, std::string_view target, char separator,
                             const NamePattern& pattern, std::int32_t counter);

// What a run asks of the one who started it, folder by folder.
class RunHost {
public:
    virtual ~RunHost() = default;

    // Called before each folder; false stops the run at once.
    virtual bool BeforeFolder() = 0;

    // The pattern and target folder as they stand now: they are read afresh for every folder.
    // False ends the run at once (the inputs no longer make a run). A failure here is passed to
    // InputsFailed and the run goes on with the next counter.
    virtual bool ReadInputs(std::string& pattern, std::string& target) = 0;
    virtual void InputsFailed(const std::exception& failure) = 0;

    virtual void FolderCreated(const std::string& path) = 0;
    virtual void FolderSkipped(const std::string& path) = 0;
    virtual void FolderFailed(const std::string& path, const Failure& failure) = 0;

    // The count was the largest 32-bit value: the counter cannot step past the last folder.
    virtual void CounterOverflow() = 0;

    // The list of names could not be read on; the run ends after this.
    virtual void ListFailed(const Failure& failure) { throw failure; }
};

enum class RunEnd { Finished, Stopped };

// Runs the plan: each numbered folder, then its subfolders, skipping those that exist. A failing
// folder is passed to the host and the run goes on. Holds one path at a time, however many the
// folders. The folders are made by creation.CreateFolderUnlessExists. A listed name that can name
// no folder (the list's own problems, split blocks of #, a "..", a counter below 0 or beyond 32
// bits where it has a block) is a failure of that line, reported under the path it spells.
RunEnd RunCreationLoop(FolderCreation& creation, RunHost& host, const RunPlan& plan,
                       char separator);

// The folders 1 to `count` from the host's pattern, as the window makes them.
RunEnd RunCreationLoop(FolderCreation& creation, RunHost& host, std::int32_t count, char separator);

// The dry run of the plan: every folder only predicted, as RunCreationLoop would meet it. The dry
// run and the real run are one plan, and a dry run foresees a folder that the run itself would
// have made before it (PlannedFolders, which knows the existing folders by `identities`).
RunEnd ForeseeCreationLoop(const CreationForecast& forecast, const FolderIdentities& identities,
                           RunHost& host, const RunPlan& plan, char separator);

}  // namespace quire
