#include "ui/preview_list.h"

#include <utility>

#include "app/product.h"

namespace quire {

std::string Grouped(std::int64_t number) {
    std::string digits = std::to_string(number);
    const std::size_t first = digits.starts_with('-') ? 1 : 0;
    for (std::size_t at = digits.size(); at > first + 3; at -= 3) digits.insert(at - 3, 1, ',');
    return digits;
}

std::string PreviewList::Totals() const {
    const RunPreview::Totals& totals = preview_.Count();
    return Grouped(totals.fresh) + std::string(product::kPreviewTotalNew) +
           Grouped(totals.existing) +
           std::string(totals.existing == 1 ? product::kPreviewTotalExists
                                            : product::kPreviewTotalExist) +
           Grouped(totals.failing) + std::string(product::kPreviewTotalFail);
}

PreviewList::Shown PreviewList::At(std::int64_t row) const {
    RunPreview::Row found = preview_.At(onlyNotNew_ ? preview_.NotNewIndex(row) : row);
    Shown shown{std::move(found.path), {}};
    switch (found.outcome) {
        case RunPreview::Outcome::New: shown.outcome = product::kPreviewNew; break;
        case RunPreview::Outcome::Exists: shown.outcome = product::kPreviewExists; break;
        case RunPreview::Outcome::Fails:
            shown.outcome = std::string(product::kPreviewFails) + found.reason;
            break;
    }
    return shown;
}

}  // namespace quire
