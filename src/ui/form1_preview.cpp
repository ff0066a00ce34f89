// "Preview...": every folder the run would make now, from the plan Start would run.
#include <optional>
#include <utility>

#include "app/product.h"
#include "engine/name_list.h"
#include "engine/run_preview.h"
#include "ui/form1.h"
#include "ui/preview_list.h"
#include "ui/text_source.h"

namespace quire {

void Form1::Preview_Click(PreviewView& view) {
    if (!PreviewOffered()) return;
    bool start = false;
    {
        StatementGuard guard(ports_.dialogs, product::kPreviewContext);
        std::optional<CheckedRun> checked = CheckRun(guard);
        if (!checked) return;
        TextSource source(options_.names);
        std::optional<NameList> names;
        if (options_.listed) checked->plan.names = &names.emplace(source);
        guard.Step(150, [&] {
            const RunPreview preview(ports_.files.forecast, ports_.files.listing,
                                     ports_.files.identities, std::move(checked->plan),
                                     std::move(checked->pattern), std::move(checked->target),
                                     Separator());
            PreviewList list(preview);
            start = view.Run(list);
        });
    }
    // The preview is gone before the run starts: its memory is the run's again.
    if (start) PushButton1_Click();
}

}  // namespace quire
