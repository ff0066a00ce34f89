#include "engine/highest_counter.h"

#include "engine/creation_run.h"

namespace quire {

CounterFolder CounterFolderOf(std::string_view target, const NamePattern& pattern, char separator) {
    std::string_view folders;
    CounterFolder place{std::string(target), pattern.BlockName(separator, folders)};
    if (!folders.empty()) {
        place.folder.clear();
        AppendTargetFolder(place.folder, target, separator);
        place.folder.append(folders);
    }
    return place;
}

std::optional<std::int32_t> HighestAmong(const std::vector<std::string>& entries,
                                         const NamePattern& name) {
    std::optional<std::int32_t> highest;
    for (const std::string& entry : entries) {
        const std::optional<std::int32_t> counter = name.CounterOf(entry);
        if (counter && (!highest || *counter > *highest)) highest = counter;
    }
    return highest;
}

std::optional<std::vector<std::string>> ListCounterFolder(const FolderLookup& files,
                                                          const std::string& folder) {
    if (!files.FolderExists(folder)) return std::nullopt;
    try {
        return files.SubfolderNames(folder);
    } catch (const Failure& failure) {
        throw Failure(folder + ": " + failure.what());
    }
}

std::optional<std::int32_t> HighestCounter(const FolderLookup& files, std::string_view target,
                                           const NamePattern& pattern, char separator) {
    const CounterFolder place = CounterFolderOf(target, pattern, separator);
    const std::optional<std::vector<std::string>> entries = ListCounterFolder(files, place.folder);
    if (!entries) return std::nullopt;
    return HighestAmong(*entries, place.name);
}

}  // namespace quire
