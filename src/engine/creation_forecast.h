// Port: what a run would meet, foretold without a change, for the dry run and the preview.
#pragma once

#include <string>
#include <string_view>

#include "engine/folder_creation.h"

namespace quire {

class CreationForecast {
public:
    virtual ~CreationForecast() = default;

    // What CreateFolderUnlessExists would do now, creating nothing: Existed, Created, or the
    // Failure it would throw, for every cause that can be known beforehand.
    virtual Creation PredictCreation(const std::string& path) const = 0;

    // What CreateFolderUnlessExists would do at `path` once the run has made its parent folder,
    // which does not exist yet: Created, or the Failure the name alone would bring.
    virtual Creation PredictCreationInPlannedFolder(const std::string& path) const = 0;

    // Whether names that differ only in case name one entry inside the folder at `path`
    // (Windows' folders unless made case-sensitive, FAT), so that a dry run meets a name as the
    // run would. False where the system cannot tell. Never throws.
    virtual bool FoldsCase(const std::string& path) const {
        static_cast<void>(path);
        return false;
    }

    // `name` in capitals, as the system compares names where it folds case: two names it takes
    // for one give the same text. Here by ASCII alone; a platform gives its own table.
    virtual std::string FoldedCase(std::string_view name) const {
        std::string folded(name);
        for (char& c : folded) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return folded;
    }
};

}  // namespace quire
