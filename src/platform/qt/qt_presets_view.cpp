#include "platform/qt/qt_presets_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/product.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_dialog_parts.h"
#include "platform/qt/qt_text.h"

namespace quire::qt {
namespace {

// A dialog of the window with a caption, OK and Cancel; the caller puts its fields between.
struct SmallDialog {
    SmallDialog(QWidget& owner, std::string_view title, const char* objectName)
        : dialog(&owner),
          layout(new QVBoxLayout(&dialog)),
          buttons(new QDialogButtonBox(&dialog)),
          ok(buttons->addButton(FromBytes(product::kOptionOk), QDialogButtonBox::AcceptRole)),
          cancel(
              buttons->addButton(FromBytes(product::kOptionCancel), QDialogButtonBox::RejectRole)) {
        dialog.setObjectName(QString::fromLatin1(objectName));
        dialog.setWindowTitle(FromBytes(title));
        UseReadableColours(dialog);
        ok->setDefault(true);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }

    // A label naming `field` for the eye (Alt and its letter, through the buddy) and for a
    // screen reader.
    void AddField(std::string_view caption, QWidget* field) {
        auto* label = new QLabel(FromBytes(caption), &dialog);
        label->setBuddy(field);
        field->setAccessibleName(NameOf(caption));
        layout->addWidget(label);
        layout->addWidget(field);
        // Room for a name of some length whatever the scale, in the font's own measure.
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 40);
    }

    QDialog dialog;
    QVBoxLayout* layout;
    QDialogButtonBox* buttons;
    QPushButton* ok;
    QPushButton* cancel;
};

}  // namespace

std::optional<PresetNameAnswer> QtPresetsView::AskName(
    const std::function<std::string(const std::string&)>& problem) {
    SmallDialog shown(owner_, product::kPresetSaveTitle, "PresetNameDialog");
    auto* name = new QLineEdit(&shown.dialog);
    shown.AddField(product::kPresetNameLabel, name);
    QLabel* refusal = ProblemLabel(shown.dialog);
    shown.layout->addWidget(refusal);
    auto* keep = new QCheckBox(FromBytes(product::kPresetKeepTarget), &shown.dialog);
    shown.layout->addWidget(keep);
    shown.layout->addWidget(shown.buttons);
    QWidget::setTabOrder(name, keep);
    QWidget::setTabOrder(keep, shown.ok);
    QWidget::setTabOrder(shown.ok, shown.cancel);
    QObject::connect(shown.ok, &QPushButton::clicked, &shown.dialog, [&] {
        const QString reason = FromBytes(problem(ToBytes(name->text())));
        refusal->setText(reason);
        refusal->setVisible(!reason.isEmpty());
        name->setAccessibleDescription(reason);
        if (reason.isEmpty()) {
            shown.dialog.accept();
            return;
        }
        name->setFocus(Qt::OtherFocusReason);
        name->selectAll();
    });
    name->setFocus(Qt::OtherFocusReason);
    if (shown.dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PresetNameAnswer{ToBytes(name->text()), keep->isChecked()};
}

std::optional<std::size_t> QtPresetsView::ChoosePreset(const std::vector<std::string>& names) {
    SmallDialog shown(owner_, product::kPresetDeleteTitle, "PresetDeleteDialog");
    auto* choice = new QComboBox(&shown.dialog);
    for (const std::string& name : names) choice->addItem(FromBytes(name));
    shown.AddField(product::kPresetDeleteLabel, choice);
    shown.layout->addWidget(shown.buttons);
    QObject::connect(shown.ok, &QPushButton::clicked, &shown.dialog, &QDialog::accept);
    choice->setFocus(Qt::OtherFocusReason);
    if (shown.dialog.exec() != QDialog::Accepted || choice->currentIndex() < 0) return std::nullopt;
    return static_cast<std::size_t>(choice->currentIndex());
}

}  // namespace quire::qt
