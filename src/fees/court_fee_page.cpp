#include "fees/court_fee_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "fees/court_fee.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"
#include "fees/ui/number_field.h"
#include "reference/regulations.h"

namespace verdika::ui {
namespace {

// The copy buttons are told apart by colour: blue copies the shown text,
// white the plain number.
QIcon swatch(const QColor& fill) {
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(fill);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(p);
}

QToolButton* copyButton(const char* name, const QColor& colour, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(swatch(colour));
    b->setText(QStringLiteral("Kopírovat"));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setToolTip(tip);
    return b;
}

}  // namespace

CourtFeePage::CourtFeePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet3"));
    const IniFile table = IniFile::load(host_.data().programFile(fees::kCourtFeeTable));

    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(QStringLiteral("Soudní poplatek:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Soudni_Poplatky_ListBox"));
    listLabel->setBuddy(list_);
    captions_ = fees::courtFeeItems(table);
    for (const auto& c : captions_) list_->addItem(qs(c));
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Soudni_Poplatek_Hledat"));
    searchNext_ = new QPushButton(QStringLiteral("další"), this);
    searchNext_->setObjectName(QStringLiteral("Soudni_Poplatek_Hledat_Dalsi"));
    addSearchRow(layout, QStringLiteral("Hledání v poplatku"), search_, searchNext_, this);

    auto* grid = new QGridLayout;
    auto* principalLabel = new QLabel(QStringLiteral("Základ"), this);
    principal_ = new NumberField(QStringLiteral("Jistina_Soudni"), 2, this);
    principal_->setEnabled(false);
    principalLabel->setBuddy(principal_);
    auto* dateLabel = new QLabel(QStringLiteral("Účinnost"), this);
    date_ = makeDateEdit(QStringLiteral("Soudni_Poplatek_Date"), this);
    dateLabel->setBuddy(date_);
    auto* resultLabel = new QLabel(QStringLiteral("Soudní poplatek"), this);
    result_ = new QLineEdit(this);
    result_->setObjectName(QStringLiteral("Vysledek_Soudni"));
    result_->setReadOnly(true);
    result_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    resultLabel->setBuddy(result_);
    copyShown_ = copyButton("BitBtn86", QColor(70, 120, 220), QStringLiteral("Zkopírovat poplatek, jak je zobrazen"), this);
    copyNumber_ = copyButton("BitBtn87", Qt::white, QStringLiteral("Zkopírovat poplatek jako číslo"), this);
    grid->addWidget(principalLabel, 0, 0);
    grid->addWidget(principal_, 0, 1);
    grid->addWidget(dateLabel, 0, 2);
    grid->addWidget(date_, 0, 3);
    grid->addWidget(resultLabel, 1, 0);
    grid->addWidget(result_, 1, 1);
    auto* copies = new QHBoxLayout;
    copies->addWidget(copyShown_);
    copies->addWidget(copyNumber_);
    copies->addStretch(1);
    grid->addLayout(copies, 1, 2, 1, 2);
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
    regulation_ = new QPushButton(QStringLiteral("Zobraz předpis 549/1991 Sb."), this);
    regulation_->setObjectName(QStringLiteral("Predpis_549_1991"));
    bottom->addWidget(effective);
    bottom->addStretch(1);
    bottom->addWidget(regulation_);
    layout->addLayout(bottom);

    setTabOrder(list_, search_);
    setTabOrder(search_, searchNext_);
    setTabOrder(searchNext_, principal_);
    setTabOrder(principal_, date_);
    setTabOrder(date_, result_);

    onItemChosen(list_, this, [this] {
        if (!selectingBySearch_) Soudni_Poplatky_ListBoxClick();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this] { Soudni_Poplatky_ListBoxClick(); });
    connect(principal_, &QLineEdit::textChanged, this, [this] { Jistina_SoudniChange(); });
    connect(principal_, &QLineEdit::editingFinished, this, [this] { computeFromPrincipal(true); });
    connect(search_, &QLineEdit::textChanged, this, [this] { searchChanged(); });
    connect(searchNext_, &QPushButton::clicked, this, [this] { searchNext(); });
    connect(copyShown_, &QToolButton::clicked, this,
            [this] { QApplication::clipboard()->setText(result_->text()); });
    connect(copyNumber_, &QToolButton::clicked, this,
            [this] { QApplication::clipboard()->setText(qs(Format_Cislo(lastFee_))); });
    connect(regulation_, &QPushButton::clicked, this, [this] { Predpis_549_1991Click(); });

    // Nothing is chosen at the start: the fee of "no item" is 0.
    showFee(0, true);
}

int CourtFeePage::selectedItem() const { return list_->currentRow() + 1; }

void CourtFeePage::showFee(double fee, bool listed) {
    lastFee_ = fee;
    result_->setText(qs(Format_Castky(fee)));
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
