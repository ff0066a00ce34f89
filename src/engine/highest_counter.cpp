#include "engine/highest_counter.h"

#include <string>
#include <vector>

#include "engine/creation_run.h"

namespace quire {

std::optional<std::int32_t> HighestCounter(const FileSystem& files, std::string_view target,
                                           const NamePattern& pattern, char separator) {
    std::string_view folders;
    const NamePattern name = pattern.BlockName(separator, folders);
    std::string folder(target);
    if (!folders.empty()) {
        folder.clear();
        AppendTargetFolder(folder, target, separator);
        folder.append(folders);
    }
    if (!files.FolderExists(folder)) return std::nullopt;
    std::vector<std::string> entries;
    try {
        entries = files.SubfolderNames(folder);
    } catch (const Failure& failure) {
        throw Failure(folder + ": " + failure.what());
    }
    std::optional<std::int32_t> highest;
    for (const std::string& entry : entries) {
        const std::optional<std::int32_t> counter = name.CounterOf(entry);
        if (counter && (!highest || *counter > *highest)) highest = counter;
    }
    return highest;
}

}  // namespace quire
