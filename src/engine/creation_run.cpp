// The validation order and the per-folder loop shared by the window and the command line.
#include "engine/creation_run.h"

#include <limits>

#include "engine/count_text.h"
#include "engine/name_pattern.h"

namespace quire {

std::optional<RunRefusal> ValidateRun(const FileSystem& files, std::string_view target,
                                      std::string_view pattern, std::string_view count,
                                      std::string_view decimalSeparator) {
    using enum RunRefusal::Input;
    if (!files.FolderExists(std::string(target))) {
        return RunRefusal{Target, std::string(kInvalidFolderMessage)};
    }
    if (!HasSingleCounterBlock(pattern, kCounterChar)) {
        return RunRefusal{Pattern, std::string(kNoSingleBlockMessage)};
    }
    if (!IsNumber(count, decimalSeparator)) {
        return RunRefusal{Count, std::string(count).append(kNotANumberSuffix)};
    }
    return std::nullopt;
}

void AppendFolderPath(std::string& out, std::string_view target, char separator,
                      std::string_view pattern, std::int32_t counter) {
    out.append(target);
    out += separator;
    AppendFolderName(out, pattern, kCounterChar, counter);
}

RunEnd RunCreationLoop(FileSystem& files, RunHost& host, std::int32_t count, char separator) {
    std::string pattern;
    std::string target;
    std::string path;
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!host.BeforeFolder()) return RunEnd::Stopped;
        host.ReadInputs(pattern, target);
        path.clear();
        AppendFolderPath(path, target, separator, pattern, i);
        try {
            if (files.CreateFolderUnlessExists(path) == FileSystem::Creation::Existed) {
                host.FolderSkipped(path);
            } else {
                host.FolderCreated(path);
            }
        } catch (const Failure& failure) {
            host.FolderFailed(path, failure);
        }
        if (i == std::numeric_limits<std::int32_t>::max()) {
            host.CounterOverflow();
            break;
        }
    }
    return RunEnd::Finished;
}

}  // namespace quire
