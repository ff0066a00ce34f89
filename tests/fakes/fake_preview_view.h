// A Preview dialog that records what it shows and is closed by a script instead of a user.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/preview_list.h"
#include "ui/preview_view.h"

namespace quire::fakes {

class FakePreviewView final : public PreviewView {
public:
    bool start = false;  // closed by "Start Creating Folders", or by "Close"
    std::function<void(PreviewList&)> user;
    int runs = 0;
    std::string totals;
    std::vector<std::string> rows;  // "path: outcome", every row as first shown

    bool Run(PreviewList& list) override {
        ++runs;
        totals = list.Totals();
        for (std::int64_t i = 0; i < list.Rows(); ++i) {
            const PreviewList::Shown shown = list.At(i);
            rows.push_back(shown.path + ": " + shown.outcome);
        }
        if (user) user(list);
        return start;
    }
};

}  // namespace quire::fakes
