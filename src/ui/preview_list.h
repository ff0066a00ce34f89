// The Preview dialog's logic: the totals and the texts of each row shown, over a run's preview.
#pragma once

#include <cstdint>
#include <string>

#include "engine/run_preview.h"

namespace quire {

// A whole number with its thousands grouped by commas: "1,000,000".
std::string Grouped(std::int64_t number);

class PreviewList {
public:
    explicit PreviewList(const RunPreview& preview) : preview_(preview) {}

    // "1,000 new, 12 exist, 1 would fail".
    std::string Totals() const;

    // Shows only the rows that exist or would fail, or every row again.
    void SetOnlyNotNew(bool only) { onlyNotNew_ = only; }
    bool OnlyNotNew() const { return onlyNotNew_; }

    // The rows shown, and the texts of the one at `row` (0 <= row < Rows()).
    std::int64_t Rows() const { return onlyNotNew_ ? preview_.NotNewSize() : preview_.Size(); }
    struct Shown {
        std::string path;
        std::string outcome;  // "new", "exists, skipped" or "would fail: " and why
    };
    Shown At(std::int64_t row) const;

private:
    const RunPreview& preview_;
    bool onlyNotNew_ = false;
};

}  // namespace quire
