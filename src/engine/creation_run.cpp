// The validation order and the per-folder loop shared by the window and the command line.
#include "engine/creation_run.h"

#include <limits>

#include "engine/count_text.h"
#include "engine/name_pattern.h"

namespace quire {

std::string TargetProblem(const FileSystem& files, std::string_view target, char separator) {
    if (target.empty()) return files.FolderProblem(std::string());
    std::string folder(target);
    folder += separator;
    return files.FolderProblem(folder);
}

std::optional<RunRefusal> ValidateRun(const FileSystem& files, std::string_view target,
                                      std::string_view pattern, std::string_view count,
                                      std::string_view decimalSeparator, char separator) {
    using enum RunRefusal::Input;
    if (std::string problem = TargetProblem(files, target, separator); !problem.empty()) {
        return RunRefusal{Target, std::string(kInvalidFolderMessage), std::move(problem)};
    }
    if (!HasSingleCounterBlock(pattern, kCounterChar)) {
        return RunRefusal{Pattern, std::string(kNoSingleBlockMessage), {}};
    }
    if (!IsNumber(count, decimalSeparator)) {
        return RunRefusal{Count, std::string(count).append(kNotANumberSuffix), {}};
    }
    return std::nullopt;
}

void AppendFolderPath(std::string& out, std::string_view target, char separator,
                      std::string_view pattern, std::int32_t counter) {
    out.append(target);
    out += separator;
    AppendFolderName(out, pattern, kCounterChar, counter);
}

RunEnd RunCreationLoop(FileSystem& files, RunHost& host, std::int32_t count, char separator,
                       bool predictOnly) {
    std::string pattern;
    std::string target;
    std::string path;
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!host.BeforeFolder()) return RunEnd::Stopped;
        bool composed = false;
        try {
            if (!host.ReadInputs(pattern, target)) return RunEnd::Stopped;
            path.clear();
            AppendFolderPath(path, target, separator, pattern, i);
            composed = true;
        } catch (const std::exception& failure) {
            host.InputsFailed(failure);
        }
        if (composed) {
            try {
                const auto creation = predictOnly ? files.PredictCreation(path)
                                                  : files.CreateFolderUnlessExists(path);
                if (creation == FileSystem::Creation::Existed) {
                    host.FolderSkipped(path);
                } else {
                    host.FolderCreated(path);
                }
            } catch (const Failure& failure) {
                host.FolderFailed(path, failure);
            }
        }
        if (i == std::numeric_limits<std::int32_t>::max()) {
            host.CounterOverflow();
            break;
        }
    }
    return RunEnd::Finished;
}

}  // namespace quire
