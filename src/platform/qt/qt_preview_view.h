// The Preview dialog as Qt widgets: the totals above a table whose rows are made as they come into
// sight (model/view), in the desktop's own colours and font.
#pragma once

#include <QDialog>

#include "ui/preview_view.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace quire::qt {

class QtPreviewView final : public PreviewView {
public:
    explicit QtPreviewView(QWidget& owner);

    bool Run(PreviewList& list) override;

    QDialog& Dialog() { return dialog_; }
    QLabel* Totals() const { return totals_; }
    QCheckBox* OnlyNotNew() const { return onlyNotNew_; }
    QTableView* Table() const { return table_; }
    QPushButton* Start() const { return start_; }

private:
    QDialog dialog_;
    QLabel* totals_;
    QCheckBox* onlyNotNew_;
    QTableView* table_;
    QPushButton* start_;
    QPushButton* close_;
};

}  // namespace quire::qt
