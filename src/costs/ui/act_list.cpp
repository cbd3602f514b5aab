#include "costs/ui/act_list.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QToolButton>

#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "costs/lists.h"
#include "costs/ui/costs_widgets.h"

namespace verdika::ui {
namespace {

QPushButton* smallButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent) {
    QPushButton* b = pushButton(name, caption, parent);
    b->setToolTip(tip);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 22);
    return b;
}

}  // namespace

ActList::ActList(const Names& names, QWidget* parent) : QGroupBox(QStringLiteral("Právní úkony"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    date_ = makeDateEdit(names.date, this);
    date_->setDate(QDate::currentDate());
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(names.chooser);
    chooser_->setEditable(true);
    chooser_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& name : costs::actNames()) chooser_->addItem(qs(name));
    chooser_->setCurrentIndex(0);
    // The names are long; the list opens as wide as they need, the box stays narrow.
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser_->setMinimumContentsLength(8);
    chooser_->view()->setMinimumWidth(chooser_->view()->sizeHintForColumn(0) + 24);
    auto* add = smallButton(names.add, QStringLiteral("+"), QStringLiteral("Přidat úkon"), this);
    auto* remove = smallButton(names.remove, QStringLiteral("-"), QStringLiteral("Odebrat vybraný úkon"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(date_);
    row->addWidget(chooser_, 1);
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(actsTipButton(names.tip, this));
    layout->addLayout(row);

    grid_ = dataGrid(names.grid, {QStringLiteral("Datum"), QStringLiteral("Úkon")}, this);
    grid_->setColumnWidth(0, grid_->fontMetrics().horizontalAdvance(QStringLiteral("30.12.2000")) + 14);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() + 4 * 20 + 4);
    layout->addWidget(grid_, 1);

    connect(add, &QPushButton::clicked, this, [this] { this->add(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeCurrent(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { removeCurrent(); });
}

std::vector<costs::ActRow> ActList::rows() const {
    std::vector<costs::ActRow> out;
    for (int r = 0; r < grid_->rowCount(); ++r) out.push_back({ss(cellText(grid_, r, 0)), ss(cellText(grid_, r, 1))});
    return out;
}

void ActList::setRows(const std::vector<costs::ActRow>& rows) {
    grid_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        setCellText(grid_, r, 0, qs(rows[static_cast<size_t>(r)].date));
        setCellText(grid_, r, 1, qs(rows[static_cast<size_t>(r)].description));
        grid_->item(r, 1)->setToolTip(grid_->item(r, 1)->text());
    }
    updateActListCaption(grid_, this);
}

Date ActList::actDate() const { return fromQDate(date_->date()); }

void ActList::clear() {
    Vymaz_StringGrid(grid_);
    updateActListCaption(grid_, this);
}

void ActList::add() {
    const int last = grid_->rowCount() - 1;
    if (last < 0 || !cellText(grid_, last, 0).isEmpty()) grid_->setRowCount(grid_->rowCount() + 1);
    const int row = grid_->rowCount() - 1;
    setCellText(grid_, row, 0, qs(formatDate(actDate())));
    setCellText(grid_, row, 1, chooser_->currentText());
    grid_->item(row, 1)->setToolTip(chooser_->currentText());
    setTitle(QStringLiteral("Právní úkony: %1 právní úkony").arg(grid_->rowCount()));
}

void ActList::removeCurrent() { PU_SGDblClick(grid_, this); }

}  // namespace verdika::ui
