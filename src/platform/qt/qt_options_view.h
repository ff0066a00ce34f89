// The Options dialog as Qt widgets, laid out by Qt's layouts in the desktop's own colours and
// font; its events go to the dialog's procedures (ui/options_dialog.h).
#pragma once

#include <QDialog>
#include <array>

#include "ui/options_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quire::qt {

class QtLinesBox;

class QtOptionsView final : public OptionsView {
public:
    explicit QtOptionsView(QWidget& owner);

    bool Run(OptionsDialog& dialog) override;
    std::string Text(OptionField field) const override;
    void SetText(OptionField field, const std::string& text) override;
    bool Checked(OptionField field) const override;
    void SetChecked(OptionField field, bool checked) override;
    CounterStyle Style() const override;
    void SetStyle(CounterStyle style) override;
    void SetShown(OptionField field, bool shown) override;
    void SetProblem(OptionField field, const std::string& reason) override;
    void Focus(OptionField field) override;

    QDialog& Dialog() { return dialog_; }
    // The field's widget, and the one that tells its problem (null where it has none).
    QWidget* Field(OptionField field) const;
    QLabel* Problem(OptionField field) const;

private:
    static constexpr std::size_t kFields = static_cast<std::size_t>(OptionField::Portable) + 1;
    static std::size_t Index(OptionField field) { return static_cast<std::size_t>(field); }

    QDialog dialog_;
    QLineEdit* start_;
    QLineEdit* step_;
    QComboBox* style_;
    QCheckBox* continue_;
    QtLinesBox* each_;
    QLineEdit* template_;
    QPushButton* browse_;
    QCheckBox* listed_;
    QtLinesBox* names_;
    QLabel* listNote_;
    QCheckBox* portable_;
    QPushButton* reset_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::array<QLabel*, kFields> captions_{};  // the label before a field
    std::array<QLabel*, kFields> problems_{};
};

}  // namespace quire::qt
