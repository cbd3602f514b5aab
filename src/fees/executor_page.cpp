#include "fees/executor_page.h"

#include <QCheckBox>
#include <QEvent>
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
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "fees/executor_fee.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"
#include "fees/ui/number_field.h"
#include "reference/regulations.h"

namespace verdika::ui {

ExecutorPage::ExecutorPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet20"));
    auto* layout = new QVBoxLayout(this);
    QLabel* caption = addDecreeCaption(layout, QStringLiteral("Exekutor_Vyhlaska_Label"),
                                       QStringLiteral("Dle vyhlášky č. 330/2001 Sb. ve znění vyhlášky č. 518/2025 Sb."), this);
    const QFont bold = caption->font();

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Exekutor_ListBox"));
    for (const auto& c : fees::executorItems()) list_->addItem(qs(c));
    layout->addWidget(list_, 1);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("hledani_exekutor_edit"));
    searchNext_ = new QPushButton(QStringLiteral("další >>"), this);
    searchNext_->setObjectName(QStringLiteral("Button67"));
    addSearchRow(layout, QStringLiteral("Hledání:"), search_, searchNext_, this);

    auto* grid = new QGridLayout;
    value_ = new NumberField(QStringLiteral("Exekutor_Tarif_Edit"), 2, this);
    value_->installEventFilter(this);
    advance_ = new QCheckBox(QStringLiteral("záloha"), this);
    advance_->setObjectName(QStringLiteral("zaloha_exekutor_CheckBox"));
    advance_->setEnabled(false);
    compute_ = new QPushButton(QStringLiteral("Vypočítat"), this);
    compute_->setObjectName(QStringLiteral("BitBtn8"));
    addAmountRow(grid, 0, QStringLiteral("Tarifní hodnota:"), value_, this);
    grid->addWidget(advance_, 0, 3);
    grid->addWidget(compute_, 0, 4);
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);

    voluntary_ = new QCheckBox(this);
    voluntary_->setObjectName(QStringLiteral("splni_exekutor_CheckBox"));
    // A check box does not wrap its caption; the caption is a label next to an empty box.
    auto* voluntaryRow = new QHBoxLayout;
    auto* voluntaryText = new QLabel(
        QStringLiteral("Splní-li povinný ve lhůtě 30 dnů ode dne doručení výzvy ke splnění vymáhané povinnosti "
                       "vymáhaný nárok a uhradí zálohu na snížené náklady exekuce a náklady oprávněného (§ 11)"),
        this);
    voluntaryText->setObjectName(QStringLiteral("splni_exekutor_Label"));
    voluntaryText->setWordWrap(true);
    voluntaryText->setBuddy(voluntary_);
    voluntary_->setAccessibleName(voluntaryText->text());
    voluntaryText->installEventFilter(this);
    voluntaryText_ = voluntaryText;
    voluntaryRow->addWidget(voluntary_, 0, Qt::AlignTop);
    voluntaryRow->addWidget(voluntaryText, 1);
    layout->addLayout(voluntaryRow);

    layout->addWidget(new QLabel(QStringLiteral("Poznámka k výpočtu:"), this));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("exekutor_Label"));
    note_->setWordWrap(true);
    note_->setMinimumHeight(40);
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(note_);

    auto* feeGrid = new QGridLayout;
    fee_ = new NumberField(QStringLiteral("Exekutor_Odmena_Edit"), 2, this);
    fee_->setReadOnly(true);
    fee_->setText(QString());
    fee_->setFont(bold);
    fee_->setToolTip(QStringLiteral("Dvojklikem zkopírujete odměnu do schránky."));
    installCopyOnDoubleClick(fee_);
    toCalculator_ = new QPushButton(QStringLiteral("Odměna do schránkulačky"), this);
    toCalculator_->setObjectName(QStringLiteral("Button69"));
    info_ = makeInfoButton(QStringLiteral("BitBtn16"), this);
    addCalculatorTip(info_);
    addAmountRow(feeGrid, 0, QStringLiteral("Odměna:"), fee_, this);
    feeGrid->addWidget(toCalculator_, 0, 3);
    feeGrid->addWidget(info_, 0, 4);
    feeGrid->setColumnStretch(5, 1);
    layout->addLayout(feeGrid);

    auto* bottom = new QHBoxLayout;
    regulation_ = new QPushButton(QStringLiteral("Zobraz předpis 330/2001 Sb."), this);
    regulation_->setObjectName(QStringLiteral("exekutor_predpis"));
    bottom->addStretch(1);
    bottom->addWidget(regulation_);
    layout->addLayout(bottom);

    setTabOrder(list_, search_);
    setTabOrder(search_, searchNext_);
    setTabOrder(searchNext_, value_);
    setTabOrder(value_, advance_);
    setTabOrder(advance_, compute_);
    setTabOrder(compute_, voluntary_);
    setTabOrder(voluntary_, fee_);
    setTabOrder(fee_, toCalculator_);

    onItemChosen(list_, this, [this] { zmena_exekutor_listbox(); });
    connect(compute_, &QPushButton::clicked, this, [this] { zmena_exekutor_listbox(); });
    connect(value_, &QLineEdit::returnPressed, this, [this] { zmena_exekutor_listbox(); });
    connect(advance_, &QCheckBox::clicked, this, [this] { zmena_exekutor_listbox(); });
    connect(voluntary_, &QCheckBox::clicked, this, [this] { zmena_exekutor_listbox(); });
    connect(search_, &QLineEdit::textChanged, this, [this] { hledani_exekutor_editChange(false); });
    connect(searchNext_, &QPushButton::clicked, this, [this] { hledani_exekutor_editChange(true); });
    connect(toCalculator_, &QPushButton::clicked, this, [this] { Button69Click(); });
    connect(regulation_, &QPushButton::clicked, this, [this] { exekutor_predpisClick(); });
}

bool ExecutorPage::eventFilter(QObject* watched, QEvent* e) {
    // A click into the tariff value runs the item change, as the page always did.
    if (watched == value_ && e->type() == QEvent::MouseButtonPress && value_->isEnabled()) zmena_exekutor_listbox();
    // The box's caption is a wrapped label; a click on it ticks the box.
    if (watched == voluntaryText_ && e->type() == QEvent::MouseButtonRelease && voluntary_->isEnabled())
        voluntary_->click();
    return QWidget::eventFilter(watched, e);
}

void ExecutorPage::zmena_exekutor_listbox() {
    const int row = list_->currentRow();
    if (row < 0) return;  // nothing chosen: nothing to compute
    runAction(this, [&] {
        const int item = row + 1;
        const IniFile table = IniFile::load(host_.data().programFile(fees::kExecutorTable));
        // The boxes and the field follow the item first, so a failing value still leaves them right.
        const auto plain = fees::executorFee(table, item, voluntary_->isChecked(), advance_->isChecked(), 0);
        voluntary_->setEnabled(plain.voluntaryEnabled);
        advance_->setEnabled(plain.advanceEnabled);
        value_->setEnabled(plain.tariffEnabled);
        note_->setText(qs(plain.note));
        fee_->setValue(plain.fee);
        if (plain.tariffEnabled)
            fee_->setValue(
                fees::executorFee(table, item, voluntary_->isChecked(), advance_->isChecked(), value_->value()).fee);
    });
}

void ExecutorPage::hledani_exekutor_editChange(bool next) {
    const auto& captions = fees::executorItems();
    const std::string text = ss(search_->text());
    int found = fees::findCaption(captions, text, next ? list_->currentRow() + 1 : 0);
    if (found < 0) found = fees::findCaption(captions, text, 0);
    if (found < 0) return;
    const bool same = found == list_->currentRow();
    list_->setCurrentRow(found);
    list_->scrollToItem(list_->item(found));
    if (same) zmena_exekutor_listbox();
}

void ExecutorPage::Button69Click() {
    if (fee_->text().isEmpty()) return;
    runAction(this, [&] {
        const int row = list_->currentRow();
        const QString what = row >= 0 ? list_->item(row)->text() : QString();
        host_.addCalculatorResult(fee_->value(), QStringLiteral("Odměna exekutora: ") + what);
    });
}

void ExecutorPage::exekutor_predpisClick() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "exekutor.vrd")));
}

}  // namespace verdika::ui
