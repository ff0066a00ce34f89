// The Options dialog's logic: its fields filled from the options in effect, put back to the plain
// run, checked field by field on OK, over the view a toolkit implements.
#pragma once

#include <optional>
#include <string>

#include "engine/folder_lookup.h"
#include "shell/shell.h"
#include "ui/options_view.h"
#include "ui/window_options.h"

namespace quire {

class OptionsDialog {
public:
    // `windowsNamesAlways`: the system keeps only names Windows can hold, so that the choice
    // is not offered.
    OptionsDialog(OptionsView& view, const FolderLookup& files, Shell& shell, char separator,
                  bool windowsNamesAlways)
        : view_(view),
          files_(files),
          shell_(shell),
          separator_(separator),
          windowsNamesAlways_(windowsNamesAlways) {}

    // Fills the fields with `options`.
    void Load(const WindowOptions& options);

    // Back to the plain run: every field at its default, the list emptied.
    void Reset_Click();
    void Listed_Change();
    void Browse_Click();

    // Checks every field; shows each refusal beside its field and puts the focus on the first.
    // True when nothing was refused: Accepted() holds the options.
    bool OK_Click();

    const WindowOptions& Accepted() const { return *accepted_; }

private:
    // Why the field's value cannot be used, or the empty text.
    std::string StartProblem(std::int32_t& start) const;
    std::string StepProblem(std::int32_t& step) const;
    std::string EachProblem() const;
    std::string TemplateProblem() const;
    std::string NamesProblem(std::string_view names, bool listed) const;

    OptionsView& view_;
    const FolderLookup& files_;
    Shell& shell_;
    char separator_;
    bool windowsNamesAlways_;
    std::optional<WindowOptions> accepted_;
};

}  // namespace quire
