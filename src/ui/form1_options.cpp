// "Options...": the dialog over the options in effect, and what its OK puts in effect and stores.
#include <utility>

#include "ui/form1.h"
#include "ui/options_dialog.h"

namespace quire {

void Form1::ShowOptionsTip() { ports_.view.SetToolTip(ControlId::Label4, OptionsTip(options_)); }

void Form1::Options_Click(OptionsView& view) {
    if (!OptionsOffered()) return;
    Unguarded("The options could not be changed", [&] {
        // Windows, the system of the '\\' separator, keeps only the names it can hold anyway.
        OptionsDialog dialog(view, ports_.files.lookup, ports_.shell, Separator(),
                             Separator() == '\\');
        dialog.Load(options_);
        if (!view.Run(dialog)) return;
        const WindowOptions stored = std::exchange(options_, dialog.Accepted());
        ShowOptionsTip();
        listing_.Forget();
        ShowPreview();
        WriteWindowOptions(ports_.settings, stored, options_, staleOptions_);
        staleOptions_.clear();
    });
}

}  // namespace quire
