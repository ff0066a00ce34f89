#include "platform/qt/qt_options_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/product.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_dialog_parts.h"
#include "platform/qt/qt_lines_box.h"
#include "platform/qt/qt_text.h"
#include "ui/options_dialog.h"

namespace quire::qt {
namespace {

constexpr std::array<std::pair<CounterStyle, std::string_view>, 3> kStyles{{
    {CounterStyle::Numbers, product::kStyleNumbers},
    {CounterStyle::CapitalLetters, product::kStyleCapitals},
    {CounterStyle::SmallLetters, product::kStyleSmall},
}};

QtLinesBox* LinesBox(std::string_view name, QWidget& parent) {
    auto* box = new QtLinesBox(&parent);
    box->setAccessibleName(NameOf(name));
    const int lines = 4;
    box->setMinimumHeight(
        box->fontMetrics().lineSpacing() * lines +
        2 * (box->frameWidth() + static_cast<int>(box->document()->documentMargin())));
    return box;
}

}  // namespace

QtOptionsView::QtOptionsView(QWidget& owner)
    : dialog_(&owner),
      start_(new QLineEdit(&dialog_)),
      step_(new QLineEdit(&dialog_)),
      style_(new QComboBox(&dialog_)),
      continue_(new QCheckBox(FromBytes(product::kOptionContinue), &dialog_)),
      each_(LinesBox(product::kOptionEach, dialog_)),
      template_(new QLineEdit(&dialog_)),
      browse_(new QPushButton(FromBytes(product::kOptionBrowse), &dialog_)),
      listed_(new QCheckBox(FromBytes(product::kOptionListed), &dialog_)),
      names_(LinesBox(product::kOptionNames, dialog_)),
      listNote_(new QLabel(FromBytes(product::kOptionListNote), &dialog_)),
      portable_(new QCheckBox(FromBytes(product::kOptionPortable), &dialog_)),
      reset_(new QPushButton(FromBytes(product::kOptionReset), &dialog_)),
      ok_(new QPushButton(FromBytes(product::kOptionOk), &dialog_)),
      cancel_(new QPushButton(FromBytes(product::kOptionCancel), &dialog_)) {
    dialog_.setObjectName(QStringLiteral("OptionsDialog"));
    dialog_.setWindowTitle(FromBytes(product::kOptionsTitle));
    UseReadableColours(dialog_);
    for (const auto& [style, caption] : kStyles) style_->addItem(FromBytes(caption));
    browse_->setAccessibleName(FromBytes(product::kOptionBrowseName));
    listNote_->setWordWrap(true);
    for (const OptionField field : kCheckedFields) problems_[Index(field)] = ProblemLabel(dialog_);
    const auto caption = [this](OptionField field, std::string_view text) {
        auto* label = new QLabel(FromBytes(text), &dialog_);
        label->setBuddy(Field(field));
        label->setAccessibleName(NameOf(text));
        Field(field)->setAccessibleName(NameOf(text));
        captions_[Index(field)] = label;
        return label;
    };

    auto* counters = new QFormLayout;
    counters->addRow(caption(OptionField::Start, product::kOptionStart), start_);
    counters->addRow(Problem(OptionField::Start));
    counters->addRow(caption(OptionField::Step, product::kOptionStep), step_);
    counters->addRow(Problem(OptionField::Step));
    counters->addRow(caption(OptionField::Style, product::kOptionStyle), style_);

    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(template_, 1);
    templateRow->addWidget(browse_);

    auto* buttons = new QDialogButtonBox(&dialog_);
    buttons->addButton(reset_, QDialogButtonBox::ResetRole);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    QObject::connect(cancel_, &QPushButton::clicked, &dialog_, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog_);
    layout->addLayout(counters);
    layout->addWidget(continue_);
    layout->addWidget(Problem(OptionField::Continue));
    layout->addWidget(caption(OptionField::Each, product::kOptionEach));
    layout->addWidget(each_);
    layout->addWidget(Problem(OptionField::Each));
    layout->addWidget(caption(OptionField::Template, product::kOptionTemplate));
    layout->addLayout(templateRow);
    layout->addWidget(Problem(OptionField::Template));
    layout->addWidget(listed_);
    layout->addWidget(names_);
    layout->addWidget(listNote_);
    layout->addWidget(Problem(OptionField::Names));
    layout->addWidget(portable_);
    layout->addWidget(buttons);

    // The keyboard goes through the fields as they stand, and then Reset, OK and Cancel,
    // whatever order the desktop gives the buttons on screen.
    const std::array<QWidget*, 13> order{start_,    step_,   style_,  continue_, each_,
                                         template_, browse_, listed_, names_,    portable_,
                                         reset_,    ok_,     cancel_};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* QtOptionsView::Field(OptionField field) const {
    switch (field) {
        case OptionField::Start: return start_;
        case OptionField::Step: return step_;
        case OptionField::Style: return style_;
        case OptionField::Continue: return continue_;
        case OptionField::Each: return each_;
        case OptionField::Template: return template_;
        case OptionField::Listed: return listed_;
        case OptionField::Names: return names_;
        case OptionField::ListNote: return listNote_;
        case OptionField::Portable: return portable_;
    }
    return nullptr;
}

QLabel* QtOptionsView::Problem(OptionField field) const { return problems_[Index(field)]; }

bool QtOptionsView::Run(OptionsDialog& dialog) {
    QObject events;  // the connections of this showing, undone with it
    QObject::connect(reset_, &QPushButton::clicked, &events, [&dialog] { dialog.Reset_Click(); });
    QObject::connect(listed_, &QCheckBox::toggled, &events, [&dialog] { dialog.Listed_Change(); });
    QObject::connect(browse_, &QPushButton::clicked, &events, [&dialog] { dialog.Browse_Click(); });
    QObject::connect(ok_, &QPushButton::clicked, &events, [this, &dialog] {
        if (dialog.OK_Click()) dialog_.accept();
    });
    start_->setFocus(Qt::OtherFocusReason);
    start_->selectAll();
    return dialog_.exec() == QDialog::Accepted;
}

std::string QtOptionsView::Text(OptionField field) const {
    switch (field) {
        case OptionField::Start: return ToBytes(start_->text());
        case OptionField::Step: return ToBytes(step_->text());
        case OptionField::Template: return ToBytes(template_->text());
        case OptionField::Each: return ToBytes(each_->Text());
        case OptionField::Names: return ToBytes(names_->Text());
        default: return {};
    }
}

void QtOptionsView::SetText(OptionField field, const std::string& text) {
    switch (field) {
        case OptionField::Start: start_->setText(FromBytes(text)); break;
        case OptionField::Step: step_->setText(FromBytes(text)); break;
        case OptionField::Template: template_->setText(FromBytes(text)); break;
        case OptionField::Each: each_->SetText(FromBytes(text)); break;
        case OptionField::Names: names_->SetText(FromBytes(text)); break;
        default: break;
    }
}

bool QtOptionsView::Checked(OptionField field) const {
    const auto* box = qobject_cast<const QCheckBox*>(Field(field));
    return box != nullptr && box->isChecked();
}

void QtOptionsView::SetChecked(OptionField field, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(Field(field))) box->setChecked(checked);
}

CounterStyle QtOptionsView::Style() const {
    const int index = style_->currentIndex();
    return index < 0 ? CounterStyle::Numbers : kStyles[static_cast<std::size_t>(index)].first;
}

void QtOptionsView::SetStyle(CounterStyle style) {
    for (std::size_t i = 0; i < kStyles.size(); ++i) {
        if (kStyles[i].first == style) style_->setCurrentIndex(static_cast<int>(i));
    }
}

void QtOptionsView::SetShown(OptionField field, bool shown) {
    Field(field)->setVisible(shown);
    if (QLabel* label = captions_[Index(field)]) label->setVisible(shown);
}

void QtOptionsView::SetProblem(OptionField field, const std::string& reason) {
    QLabel* label = Problem(field);
    if (label == nullptr) return;
    label->setText(FromBytes(reason));
    label->setVisible(!reason.empty());
    Field(field)->setAccessibleDescription(FromBytes(reason));
}

void QtOptionsView::Focus(OptionField field) {
    QWidget* widget = Field(field);
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) box->selectAll();
}

}  // namespace quire::qt
