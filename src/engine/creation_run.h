// A run that creates the numbered folders 1 to N inside a target folder.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/file_system.h"

namespace quire {

inline constexpr std::string_view kInvalidFolderMessage = "Folder does not appear to be valid";
inline constexpr std::string_view kNoSingleBlockMessage =
    "You must have a single block of #'s present in your naming scheme.";
inline constexpr std::string_view kNotANumberSuffix = " does not appear to be a number.";

// Why a run does not start: the first input found wanting, and the message that says so.
struct RunRefusal {
    enum class Input { Target, Pattern, Count } input;
    std::string message;
    std::string detail;  // for the target: the platform's reason, such as "Not a directory"
};

// Why the target text cannot hold a run, or the empty text when it can. The folder checked is the
// one the run's paths are made in, the target followed by the separator, so that the check and
// the creation never read the text differently; an empty target is never a folder.
std::string TargetProblem(const FileSystem& files, std::string_view target, char separator);

// Checks target folder, pattern and count in that order; gives the first refusal, or nothing when
// the run may start.
std::optional<RunRefusal> ValidateRun(const FileSystem& files, std::string_view target,
                                      std::string_view pattern, std::string_view count,
                                      std::string_view decimalSeparator, char separator);

// Appends target, separator and the folder name for `counter`; nothing is trimmed or collapsed.
void AppendFolderPath(std::string& out, std::string_view target, char separator,
                      std::string_view pattern, std::int32_t counter);

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
};

enum class RunEnd { Finished, Stopped };

// Creates the folders 1 to `count`, skipping those that exist. A failing folder is passed to the
// host and the run goes on. Holds one path at a time, however large the count. The folders are
// made by files.CreateFolderUnlessExists, or only predicted by files.PredictCreation when
// `predictOnly` is set: the dry run and the real run are one plan.
RunEnd RunCreationLoop(FileSystem& files, RunHost& host, std::int32_t count, char separator,
                       bool predictOnly = false);

}  // namespace quire
