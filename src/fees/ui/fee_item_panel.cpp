#include "fees/ui/fee_item_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/result_field.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"
#include "reference/regulations.h"

namespace verdika::ui {

FeeItemPanel::FeeItemPanel(PageHost& host, const FeeItemNames& n, std::vector<std::string> items, QWidget* parent)
    : QWidget(parent), host_(host), resultPrefix_(n.resultPrefix), regulationFile_(n.regulationFile),
      items_(std::move(items)) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    const QFont bold = addDecreeCaption(layout_, n.decreeCaption, n.decreeText, this)->font();

    list_ = new QListWidget(this);
    list_->setObjectName(n.list);
    for (const auto& c : items_) list_->addItem(qs(c));
    layout_->addWidget(list_, 1);

    search_ = new QLineEdit(this);
    search_->setObjectName(n.search);
    auto* searchNext = pushButton(n.searchNext, QStringLiteral("další >>"), this);
    addSearchRow(layout_, QStringLiteral("Hledání:"), search_, searchNext, this);

    if (!n.itemCaption.isEmpty()) {
        itemCaption_ = new QLabel(this);
        itemCaption_->setObjectName(n.itemCaption);
        itemCaption_->setWordWrap(true);
        itemCaption_->setFont(bold);
        layout_->addWidget(itemCaption_);
    }

    auto* grid = new QGridLayout;
    value_ = new NumberField(n.value, n.decimals, this);
    compute_ = pushButton(n.compute, QStringLiteral("Vypočítat"), this);
    addAmountRow(grid, 0, QStringLiteral("Tarifní hodnota:"), value_, this);
    computeRow_ = new QHBoxLayout;
    computeRow_->addWidget(compute_);
    computeRow_->addStretch(1);
    grid->addLayout(computeRow_, 0, 3);
    grid->setColumnStretch(4, 1);
    layout_->addLayout(grid);
    underValueAt_ = layout_->count();

    fee_ = new ResultField(n.fee, this);
    fee_->setBold(true);
    fee_->edit()->setToolTip(QStringLiteral("Dvojklikem zkopírujete odměnu do schránky."));
    auto* toCalculator = pushButton(n.toCalculator, QStringLiteral("Odměna do schránkulačky"), this);
    auto* info = infoButton(n.info, this);
    addCalculatorTip(info);
    auto* calcRow = new QHBoxLayout;
    calcRow->addWidget(toCalculator);
    calcRow->addWidget(info);
    calcRow->addStretch(1);

    note_ = new QLabel(this);
    note_->setObjectName(n.note);
    note_->setWordWrap(true);
    note_->setMinimumHeight(40);
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto addNote = [&] {
        layout_->addWidget(new QLabel(QStringLiteral("Poznámka k výpočtu:"), this));
        layout_->addWidget(note_);
    };
    QGridLayout* feeGrid = grid;
    int feeRow = 1;
    if (n.feeBelowNote) {
        addNote();
        feeGrid = new QGridLayout;
        feeGrid->setColumnStretch(4, 1);
        layout_->addLayout(feeGrid);
        feeRow = 0;
    }
    addAmountRow(feeGrid, feeRow, QStringLiteral("Odměna:"), fee_, this);
    feeGrid->addLayout(calcRow, feeRow, 3);
    if (!n.feeBelowNote) addNote();

    auto* bottom = new QHBoxLayout;
    auto* regulation = pushButton(n.regulation, n.regulationText, this);
    bottom->addStretch(1);
    bottom->addWidget(regulation);
    layout_->addLayout(bottom);
    fee_->clear();

    setTabOrder(list_, search_);
    setTabOrder(search_, searchNext);
    setTabOrder(searchNext, value_);
    setTabOrder(value_, compute_);

    onItemChosen(list_, this, [this] {
        if (itemCaption_ && list_->currentItem()) itemCaption_->setText(list_->currentItem()->text());
        emit itemChanged();
    });
    connect(compute_, &QPushButton::clicked, this, &FeeItemPanel::itemChanged);
    connect(value_, &QLineEdit::returnPressed, this, &FeeItemPanel::itemChanged);
    connect(search_, &QLineEdit::textChanged, this, [this] { search(false); });
    connect(searchNext, &QPushButton::clicked, this, [this] { search(true); });
    connect(toCalculator, &QPushButton::clicked, this, &FeeItemPanel::toCalculator);
    connect(regulation, &QPushButton::clicked, this, &FeeItemPanel::showRegulation);
}

int FeeItemPanel::item() const { return list_->currentRow() + 1; }

QString FeeItemPanel::itemText() const { return list_->currentItem() ? list_->currentItem()->text() : QString(); }

bool FeeItemPanel::hasFee() const { return !fee_->text().isEmpty(); }

void FeeItemPanel::showFee(double fee) { fee_->setValue(fee, qs(formatGrouped(fee, value_->decimals()))); }

void FeeItemPanel::setNote(const QString& note) { note_->setText(note); }

void FeeItemPanel::addBesideCompute(QWidget* w) {
    computeRow_->insertWidget(computeRow_->indexOf(compute_), w);
    setTabOrder(value_, w);
    setTabOrder(w, compute_);
}

void FeeItemPanel::addUnderValue(QLayout* row) { layout_->insertLayout(underValueAt_++, row); }

void FeeItemPanel::toCalculator() {
    if (!hasFee()) return;
    runAction(this, [&] { host_.addCalculatorResult(fee_->value(), resultPrefix_ + itemText()); });
}

void FeeItemPanel::showRegulation() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), regulationFile_)));
}

void FeeItemPanel::search(bool next) {
    const std::string text = ss(search_->text());
    int found = fees::findCaption(items_, text, next ? list_->currentRow() + 1 : 0);
    if (found < 0) found = fees::findCaption(items_, text, 0);
    if (found < 0) return;
    const bool same = found == list_->currentRow();
    list_->setCurrentRow(found);  // a new choice runs the item change
    list_->scrollToItem(list_->item(found));
    if (same) emit itemChanged();
}

}  // namespace verdika::ui
