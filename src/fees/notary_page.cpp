#include "fees/notary_page.h"

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
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "fees/fee_text.h"
#include "fees/notary_fee.h"
#include "fees/ui/fee_page_parts.h"
#include "fees/ui/number_field.h"
#include "reference/regulations.h"

namespace verdika::ui {

NotaryPage::NotaryPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet19"));
    auto* layout = new QVBoxLayout(this);
    QLabel* caption = addDecreeCaption(
        layout, QStringLiteral("Notar_Vyhlaska_Label"),
        QStringLiteral("Podle vyhlášky č. 196/2001 Sb. ve znění pozdějších předpisů (naposledy vyhlášky č. 63/2025 Sb.)"),
        this);
    const QFont bold = caption->font();

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Notar_ListBox"));
    for (const auto& c : fees::notaryItems()) list_->addItem(qs(c));
    layout->addWidget(list_, 1);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("hledani_notar_edit"));
    searchNext_ = new QPushButton(QStringLiteral("další >>"), this);
    searchNext_->setObjectName(QStringLiteral("Button68"));
    addSearchRow(layout, QStringLiteral("Hledání:"), search_, searchNext_, this);

    itemCaption_ = new QLabel(this);
    itemCaption_->setObjectName(QStringLiteral("Notar_Nazev_Label"));
    itemCaption_->setWordWrap(true);
    itemCaption_->setFont(bold);
    layout->addWidget(itemCaption_);

    auto* grid = new QGridLayout;
    value_ = new NumberField(QStringLiteral("Notar_Tarif_Edit"), 1, this);
    compute_ = new QPushButton(QStringLiteral("Vypočítat"), this);
    compute_->setObjectName(QStringLiteral("BitBtn5"));
    fee_ = new NumberField(QStringLiteral("Notar_Odmena_Edit"), 1, this);
    fee_->setReadOnly(true);
    fee_->setText(QString());
    fee_->setFont(bold);
    installCopyOnDoubleClick(fee_);
    fee_->setToolTip(QStringLiteral("Dvojklikem zkopírujete odměnu do schránky."));
    toCalculator_ = new QPushButton(QStringLiteral("Odměna do schránkulačky"), this);
    toCalculator_->setObjectName(QStringLiteral("Button70"));
    info_ = makeInfoButton(QStringLiteral("BitBtn29"), this);
    addAmountRow(grid, 0, QStringLiteral("Tarifní hodnota:"), value_, this);
    grid->addWidget(compute_, 0, 3);
    addAmountRow(grid, 1, QStringLiteral("Odměna:"), fee_, this);
    auto* calcRow = new QHBoxLayout;
    calcRow->addWidget(toCalculator_);
    calcRow->addWidget(info_);
    calcRow->addStretch(1);
    grid->addLayout(calcRow, 1, 3);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    layout->addWidget(new QLabel(QStringLiteral("Poznámka k výpočtu:"), this));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("notar_Label"));
    note_->setWordWrap(true);
    note_->setMinimumHeight(40);
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(note_);

    auto* bottom = new QHBoxLayout;
    regulation_ = new QPushButton(QStringLiteral("Zobraz předpis 196/2001 Sb."), this);
    regulation_->setObjectName(QStringLiteral("notar_predpis"));
    bottom->addStretch(1);
    bottom->addWidget(regulation_);
    layout->addLayout(bottom);

    setTabOrder(list_, search_);
    setTabOrder(search_, searchNext_);
    setTabOrder(searchNext_, value_);
    setTabOrder(value_, compute_);
    setTabOrder(compute_, fee_);
    setTabOrder(fee_, toCalculator_);

    onItemChosen(list_, this, [this] { zmena_notar_listbox(); });
    addCalculatorTip(info_);
    connect(compute_, &QPushButton::clicked, this, [this] { zmena_notar_listbox(); });
    connect(value_, &QLineEdit::returnPressed, this, [this] { zmena_notar_listbox(); });
    connect(search_, &QLineEdit::textChanged, this, [this] { hledani_notar_editChange(false); });
    connect(searchNext_, &QPushButton::clicked, this, [this] { hledani_notar_editChange(true); });
    connect(toCalculator_, &QPushButton::clicked, this, [this] { Button70Click(); });
    connect(regulation_, &QPushButton::clicked, this, [this] { notar_predpisClick(); });
}

void NotaryPage::zmena_notar_listbox() {
    const int row = list_->currentRow();
    if (row < 0) return;  // nothing chosen: nothing happens
    runAction(this, [&] {
        const int item = row + 1;
        itemCaption_->setText(list_->item(row)->text());
        const IniFile table = IniFile::load(host_.data().programFile(fees::kNotaryTable));
        // The fixed fee or 0 first, as the field is enabled or disabled, then the fee from the value.
        const auto plain = fees::notaryFee(table, item, 0);
        value_->setEnabled(plain.tariffEnabled);
        fee_->setValue(plain.fee);
        note_->setText(qs(plain.note));
        if (plain.tariffEnabled) {
            const double x = value_->value();
            if (x != 0) fee_->setValue(fees::Spocitat_Odmenu_Notare(table, item, x));
        }
    });
}

void NotaryPage::hledani_notar_editChange(bool next) {
    const auto& captions = fees::notaryItems();
    const std::string text = ss(search_->text());
    int found = fees::findCaption(captions, text, next ? list_->currentRow() + 1 : 0);
    if (found < 0) found = fees::findCaption(captions, text, 0);
    if (found < 0) return;
    const bool same = found == list_->currentRow();
    list_->setCurrentRow(found);  // a new choice runs the item change
    list_->scrollToItem(list_->item(found));
    if (same) zmena_notar_listbox();
}

void NotaryPage::Button70Click() {
    if (fee_->text().isEmpty()) return;
    runAction(this, [&] {
        const int row = list_->currentRow();
        const QString what = row >= 0 ? list_->item(row)->text() : QString();
        host_.addCalculatorResult(fee_->value(), QStringLiteral("Odměna notáře: ") + what);
    });
}

void NotaryPage::notar_predpisClick() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "notar.vrd")));
}

}  // namespace verdika::ui
