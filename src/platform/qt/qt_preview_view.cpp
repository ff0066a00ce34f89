#include "platform/qt/qt_preview_view.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "app/product.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_text.h"
#include "ui/preview_list.h"

namespace quire::qt {
namespace {

// The list's rows as Qt asks for them: a row's texts are made only when it is drawn or read.
class PreviewModel final : public QAbstractTableModel {
public:
    explicit PreviewModel(PreviewList& list) : list_(list) {}

    // A view counts its rows in an int: beyond that the rest are not shown.
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0
                                : static_cast<int>(std::min<std::int64_t>(list_.Rows(), INT_MAX));
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
            return {};
        }
        const PreviewList::Shown shown = list_.At(index.row());
        return FromBytes(index.column() == 0 ? shown.path : shown.outcome);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return FromBytes(section == 0 ? product::kPreviewPathColumn
                                      : product::kPreviewOutcomeColumn);
    }

    void ShowOnlyNotNew(bool only) {
        beginResetModel();
        list_.SetOnlyNotNew(only);
        endResetModel();
    }

private:
    PreviewList& list_;
};

}  // namespace

QtPreviewView::QtPreviewView(QWidget& owner)
    : dialog_(&owner),
      totals_(new QLabel(&dialog_)),
      onlyNotNew_(new QCheckBox(FromBytes(product::kPreviewOnlyNotNew), &dialog_)),
      table_(new QTableView(&dialog_)),
      start_(new QPushButton(FromBytes(product::kPreviewStart), &dialog_)),
      close_(new QPushButton(FromBytes(product::kPreviewClose), &dialog_)) {
    dialog_.setObjectName(QStringLiteral("PreviewDialog"));
    dialog_.setWindowTitle(FromBytes(product::kPreviewTitle));
    UseReadableColours(dialog_);
    totals_->setTextFormat(Qt::PlainText);
    totals_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    totals_->setFocusPolicy(Qt::StrongFocus);
    table_->setAccessibleName(FromBytes(product::kPreviewListName));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);
    // Every row one line high and no column sized to its contents: nothing measures every row.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    const int character = table_->fontMetrics().averageCharWidth();
    table_->horizontalHeader()->setDefaultSectionSize(24 * character);
    table_->setMinimumSize(64 * character, 16 * (table_->fontMetrics().height() + 6));

    auto* buttons = new QDialogButtonBox(&dialog_);
    buttons->addButton(start_, QDialogButtonBox::AcceptRole);
    buttons->addButton(close_, QDialogButtonBox::RejectRole);
    close_->setDefault(true);
    QObject::connect(start_, &QPushButton::clicked, &dialog_, &QDialog::accept);
    QObject::connect(close_, &QPushButton::clicked, &dialog_, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog_);
    layout->addWidget(totals_);
    layout->addWidget(onlyNotNew_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);

    // The keyboard goes from the totals to the box, the list and the two buttons, whatever
    // order the desktop gives the buttons on screen.
    QWidget::setTabOrder(totals_, onlyNotNew_);
    QWidget::setTabOrder(onlyNotNew_, table_);
    QWidget::setTabOrder(table_, start_);
    QWidget::setTabOrder(start_, close_);
}

bool QtPreviewView::Run(PreviewList& list) {
    PreviewModel model(list);
    table_->setModel(&model);
    const QString totals = FromBytes(list.Totals());
    totals_->setText(totals);
    totals_->setAccessibleName(totals);
    onlyNotNew_->setChecked(list.OnlyNotNew());
    QObject events;  // the connections of this showing, undone with it
    QObject::connect(onlyNotNew_, &QCheckBox::toggled, &events,
                     [&model](bool only) { model.ShowOnlyNotNew(only); });
    table_->setFocus(Qt::OtherFocusReason);
    if (model.rowCount({}) > 0) table_->setCurrentIndex(model.index(0, 0));
    const bool start = dialog_.exec() == QDialog::Accepted;
    table_->setModel(nullptr);
    return start;
}

}  // namespace quire::qt
