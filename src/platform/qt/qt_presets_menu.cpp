#include "platform/qt/qt_presets_menu.h"

#include "app/product.h"
#include "platform/qt/qt_presets_view.h"
#include "platform/qt/qt_text.h"
#include "ui/form1.h"

namespace quire::qt {

QtPresetsMenu::QtPresetsMenu(QMenu& parent, QWidget& owner)
    : menu_(parent.addMenu(FromBytes(product::kPresetsMenu))), owner_(owner) {
    menu_->setObjectName(QStringLiteral("PresetsMenu"));
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { Refresh(); });
}

void QtPresetsMenu::Refresh() {
    QMenu& menu = *menu_;
    menu.menuAction()->setEnabled(form_ != nullptr && form_->PresetsOffered());
    menu.clear();
    if (form_ == nullptr) return;
    Form1& form = *form_;
    QObject::connect(menu.addAction(FromBytes(product::kPresetSaveEntry)), &QAction::triggered,
                     menu_, [this] {
                         QtPresetsView view(owner_);
                         form_->SavePreset_Click(view);
                     });
    menu.addSeparator();
    const std::vector<std::string> names = form.PresetNames();
    if (names.empty()) menu.addAction(FromBytes(product::kPresetNoneSaved))->setEnabled(false);
    for (std::size_t i = 0; i < names.size(); ++i) {
        // An ampersand of the name is shown, not taken for a mnemonic.
        QString text = FromBytes(names[i]);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QObject::connect(menu.addAction(text), &QAction::triggered, menu_,
                         [this, i] { form_->Preset_Click(i); });
    }
    menu.addSeparator();
    QAction* remove = menu.addAction(FromBytes(product::kPresetDeleteEntry));
    remove->setEnabled(!names.empty());
    QObject::connect(remove, &QAction::triggered, menu_, [this] {
        QtPresetsView view(owner_);
        form_->DeletePreset_Click(view);
    });
}

}  // namespace quire::qt
