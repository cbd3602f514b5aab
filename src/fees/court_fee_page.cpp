#include "fees/court_fee_page.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/number_field.h"
#include "common/ui/result_field.h"
#include "common/ui/qt_convert.h"
#include "fees/court_fee.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"
#include "reference/regulations.h"

namespace verdika::ui {
CourtFeePage::CourtFeePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet3"));
    const IniFile table = IniFile::load(host_.data().programFile(fees::kCourtFeeTable));

    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Soudni_Poplatky_ListBox"));
    captions_ = fees::courtFeeItems(table);
    for (const auto& c : captions_) list_->addItem(qs(c));
    layout->addWidget(buddyLabel(QStringLiteral("Soudní poplatek:"), list_, this));
    layout->addWidget(list_, 1);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Soudni_Poplatek_Hledat"));
    searchNext_ = pushButton(QStringLiteral("Soudni_Poplatek_Hledat_Dalsi"), QStringLiteral("další"), this);
    addSearchRow(layout, QStringLiteral("Hledání v poplatku"), search_, searchNext_, this);

    auto* grid = new QGridLayout;
    principal_ = new NumberField(QStringLiteral("Jistina_Soudni"), 2, this);
    principal_->setEnabled(false);
    date_ = makeDateEdit(QStringLiteral("Soudni_Poplatek_Date"), this);
    result_ = new ResultField(QStringLiteral("Vysledek_Soudni"), this, QStringLiteral("BitBtn86"),
                              QStringLiteral("BitBtn87"));
    result_->setBold(true);
    grid->addWidget(buddyLabel(QStringLiteral("Základ"), principal_, this), 0, 0);
    grid->addWidget(principal_, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Účinnost"), date_, this), 0, 2);
    grid->addWidget(date_, 0, 3);
    grid->addWidget(buddyLabel(QStringLiteral("Soudní poplatek"), result_->edit(), this), 1, 0);
    grid->addWidget(result_, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Soudni_Poplatek_Poznamka"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    layout->addWidget(note_);

    auto* bottom = new QHBoxLayout;
    const std::string latest = fees::latestCourtFeeVersion(table);
    auto* effective = new QLabel(qs(latest.empty() ? std::string() : "S účinností k datu " + latest), this);
    effective->setObjectName(QStringLiteral("Soudni_Poplatek_Ucinnost_Label"));
    regulation_ = pushButton(QStringLiteral("Predpis_549_1991"), QStringLiteral("Zobraz předpis 549/1991 Sb."), this);
    bottom->addWidget(effective);
    bottom->addStretch(1);
    bottom->addWidget(regulation_);
    layout->addLayout(bottom);

    setTabOrder(list_, search_);
    setTabOrder(search_, searchNext_);
    setTabOrder(searchNext_, principal_);
    setTabOrder(principal_, date_);
    setTabOrder(date_, result_->edit());

    onItemChosen(list_, this, [this] {
        if (!selectingBySearch_) Soudni_Poplatky_ListBoxClick();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this] { Soudni_Poplatky_ListBoxClick(); });
    connect(principal_, &QLineEdit::textChanged, this, [this] { Jistina_SoudniChange(); });
    connect(principal_, &QLineEdit::editingFinished, this, [this] { computeFromPrincipal(true); });
    connect(search_, &QLineEdit::textChanged, this, [this] { searchChanged(); });
    connect(searchNext_, &QPushButton::clicked, this, [this] { searchNext(); });
    connect(regulation_, &QPushButton::clicked, this, [this] { Predpis_549_1991Click(); });

    // Nothing is chosen at the start: the fee of "no item" is 0.
    showFee(0, true);
}

double CourtFeePage::courtFee() const { return result_->value(); }

int CourtFeePage::selectedItem() const { return list_->currentRow() + 1; }

void CourtFeePage::showFee(double fee, bool listed) {
    result_->setAmount(fee);
    note_->setText(listed ? QString()
                          : QStringLiteral("Pro zvolené datum tabulka tento poplatek neuvádí – ověřte jej v sazebníku."));
}

void CourtFeePage::Soudni_Poplatky_ListBoxClick() {
    runAction(this, [&] {
        const int item = selectedItem();
        if (item <= 0) {
            principal_->setEnabled(false);
            showFee(0, true);
            return;
        }
        const IniFile table = IniFile::load(host_.data().programFile(fees::kCourtFeeTable));
        const Date date = fromQDate(date_->date());
        const std::string version = fees::courtFeeVersion(table, item, date);
        const bool listed = fees::hasCourtFeeEntry(table, item, version);
        if (!fees::isFeeFromPrincipal(table, item, version)) {
            principal_->setEnabled(false);
            showFee(fees::fixedCourtFee(table, item, version), listed);
            return;
        }
        principal_->setEnabled(true);
        showFee(0, listed);
        computeFromPrincipal(true);
    });
}

void CourtFeePage::Jistina_SoudniChange() {
    // While the amount is being typed a text such as "1.23" is not yet a
    // number; the fee follows once it is (the message comes when the field is left).
    computeFromPrincipal(false);
}

void CourtFeePage::computeFromPrincipal(bool showErrors) {
    if (list_->count() == 0 || !principal_->isEnabled()) return;
    if (!showErrors && !principal_->hasValue()) return;
    runAction(this, [&] {
        const int item = selectedItem();
        const IniFile table = IniFile::load(host_.data().programFile(fees::kCourtFeeTable));
        const auto r = fees::courtFee(table, item, fromQDate(date_->date()), principal_->value());
        showFee(r.fee, item <= 0 || r.listed);
    });
}

void CourtFeePage::selectBySearch(int row) {
    // Selecting by search does not recompute the fee; a click on the item does.
    selectingBySearch_ = true;
    list_->setCurrentRow(row);
    list_->scrollToItem(list_->item(row));
    selectingBySearch_ = false;
}

void CourtFeePage::searchChanged() {
    const int found = fees::findCaption(captions_, ss(search_->text()), 0);
    if (found >= 0) selectBySearch(found);
}

void CourtFeePage::searchNext() {
    if (captions_.empty()) return;
    const std::string text = ss(search_->text());
    int found = fees::findCaption(captions_, text, list_->currentRow() + 1);
    if (found < 0) {
        // Past the last match: back to the top and search again from the first item.
        selectBySearch(0);
        found = fees::findCaption(captions_, text, 0);
    }
    if (found >= 0) selectBySearch(found);
}

void CourtFeePage::Predpis_549_1991Click() {
    // The act's text is read from the data directory; a data directory that
    // has none (the start-up refresh does not list it) shows the program's copy.
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "soudni_p.vrd")));
}

}  // namespace verdika::ui
