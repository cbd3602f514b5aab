#include "costs/ui/nonmonetary_tab.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"
#include "common/ui/scrolling.h"
#include "common/ui/up_down_field.h"
#include "costs/cost_set.h"
#include "costs/costs_page.h"
#include "costs/lists.h"
#include "costs/summary.h"
#include "costs/ui/act_list.h"
#include "costs/ui/choice_group.h"
#include "costs/ui/cost_results.h"
#include "costs/ui/costs_widgets.h"
#include "costs/ui/court_fee_chooser.h"
#include "costs/ui/item_tree.h"
#include "costs/ui/vat_payer_row.h"
#include "fees/court_fee.h"

namespace verdika::ui {
namespace {

using R = costs::TNaklady_rizeni;

// As on the monetary sub-tab, without "Odměna + DPH z odměny"; "Vynulovat"
// leaves the two VAT parts.
const std::vector<CostResults::Field> kResults = {
    {"Soudní poplatek:", "Naklad_SP_2", "BitBtn64", "BitBtn65", [](const R& r) { return r.soudni_poplatek; }, 0, 0},
    {"Odměna:", "Naklad_Odmena_2", "BitBtn66", "BitBtn67", [](const R& r) { return r.odmena; }, 1, 0},
    {"Režijní paušály (§17 AT):", "Naklad_RP_2", "BitBtn68", "BitBtn69",
     [](const R& r) { return static_cast<double>(r.rezijni_pausaly); }, 2, 0},
    {"Odměna + RP:", "Naklad_Odmena_RP_2", "BitBtn70", "BitBtn71", [](const R& r) { return r.odmenaRp(); }, 3, 0},
    {"DPH (z odměny):", "Naklad_DPH_1_2", "BitBtn80", "BitBtn81", [](const R& r) { return r.dph_odmena; }, 0, 1,
     false, true},
    {"DPH (z RP):", "Naklad_DPH_2_2", "BitBtn82", "BitBtn83", [](const R& r) { return r.dph_rp; }, 1, 1, false, true},
    {"DPH (z odměny + RP):", "Naklad_DPH_3_2", "BitBtn72", "BitBtn73", [](const R& r) { return r.dphCelkem(); }, 2,
     1},
    {"Náklady řízení (odměna, RP, případně SP, DPH):", "Naklad_celkem_2", "BitBtn74", "BitBtn75",
     [](const R& r) { return r.celkem(); }, 4, 0, true},
};

}  // namespace

NonMonetaryTab::NonMonetaryTab(CostsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("Naklady_Nepenezite_TabSheet"));
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    // The kinds of proceedings and the court fees, each with its search.
    items_ = new ItemTree(content);
    courtFees_ = new CourtFeeChooser(
        fees::courtFeeItems(IniFile::load(page_.host().data().programFile(fees::kCourtFeeTable))), content);
    auto* lists = new QHBoxLayout;
    lists->addWidget(items_, 3);
    lists->addWidget(courtFees_, 2);
    outer->addLayout(lists, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(buildInputs(content), 1);
    acts_ = new ActList({QStringLiteral("DateTimePicker4"), QStringLiteral("ComboBox4"), QStringLiteral("Button26"),
                         QStringLiteral("Button33"), QStringLiteral("Naklady_SG_2"), QStringLiteral("BitBtn28")},
                        content);
    acts_->setObjectName(QStringLiteral("Naklad_Ukony_GroupBox_2"));
    middle->addWidget(acts_, 1);
    outer->addLayout(middle);

    results_ = new CostResults(QStringLiteral("Naklad_Vysledky_GroupBox_2"), kResults, content);
    outer->addWidget(results_);
    outer->addLayout(buildButtons(content));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollingArea(content, QStringLiteral("Naklady_Nepenezite_Scroll")));
}

QGridLayout* NonMonetaryTab::buildInputs(QWidget* parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(VatPayerRow::kSpacing);
    grid->setVerticalSpacing(4);
    date_ = makeDateEdit(QStringLiteral("Naklad_Date_2"), parent);
    date_->setDate(QDate::currentDate());
    QLabel* dateLabel = buddyLabel(QStringLiteral("Účinnost:"), date_, parent);
    grid->addWidget(dateLabel, 0, 0);
    grid->addWidget(date_, 0, 1);
    persons_ = new UpDownField(QStringLiteral("Naklad_pocet_osob_2"), 0, 100, parent);
    persons_->setValue(1);
    auto* personsRow = new QHBoxLayout;
    personsRow->addWidget(buddyLabel(QStringLiteral("Počet osob:"), persons_, parent));
    personsRow->addWidget(persons_);
    personsRow->addStretch();
    grid->addLayout(personsRow, 0, 2);

    vat_ = new VatPayerRow({QStringLiteral("Naklad_DPH_Check_2"), QStringLiteral("Naklady_Dph2_date"),
                            QStringLiteral("Naklad_DPH_sazba_2"), QStringLiteral("BitBtn78")},
                           page_.host(), parent);
    grid->addWidget(vat_, 1, 0, 1, 3);

    courtFee_ = new QCheckBox(QStringLiteral("Započítat soudní poplatek"), parent);
    courtFee_->setObjectName(QStringLiteral("Naklad_Poplatek_Check_2"));
    courtFee_->setChecked(true);
    courtFeeDate_ = makeDateEdit(QStringLiteral("DateTimePicker8"), parent);
    courtFeeDate_->setDate(QDate::currentDate());
    grid->addWidget(courtFee_, 2, 0);
    grid->addWidget(courtFeeDate_, 2, 1);

    dismissal_ = new ChoiceGroup(QStringLiteral("Naklad_2_Radio_2"), QStringLiteral("Button93"),
                                 {QStringLiteral("Odmítnutí žaloby nebo zastavení řízení § 13/1"),
                                  QStringLiteral("Odmítnutí odvolání nebo zastavení odvolacího řízení § 14/1")},
                                 parent);
    grid->addWidget(dismissal_, 3, 0, 1, 3);

    complexFrame_ = new QFrame(parent);
    complexFrame_->setObjectName(QStringLiteral("Mimoradne_Slozita_Panel"));
    complexFrame_->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QHBoxLayout(complexFrame_);
    frameLayout->setContentsMargins(6, 3, 6, 3);
    complex_ = new QCheckBox(QStringLiteral("Mimořádně složitá věc § 18 /2"), complexFrame_);
    complex_->setObjectName(QStringLiteral("Mimoradne_Slozita_CheckBox"));
    frameLayout->addWidget(complex_);
    grid->addWidget(complexFrame_, 4, 0, 1, 3);
    const int lead =
        std::max({dateLabel->sizeHint().width(), courtFee_->sizeHint().width(), vat_->captionWidth()});
    grid->setColumnMinimumWidth(0, lead);
    vat_->setCaptionWidth(lead);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    connect(complex_, &QCheckBox::toggled, this, [this] { Mimoradne_Slozita_CheckBoxClick(); });
    return grid;
}

QBoxLayout* NonMonetaryTab::buildButtons(QWidget* parent) {
    auto* compute = computeButton(QStringLiteral("Button81"), parent);
    auto* reset = pushButton(QStringLiteral("Button31"), QStringLiteral("Vynulovat"), parent);
    auto* regulation = pushButton(QStringLiteral("Button1"), QStringLiteral("Zobraz předpis 484/2000 Sb."), parent);
    auto* save = pushButton(QStringLiteral("naklad_2_ulozit"), QStringLiteral("Uložit sestavu"), parent);
    auto* load = pushButton(QStringLiteral("Button50"), QStringLiteral("Načíst sestavu"), parent);
    auto* state = new QLabel(QStringLiteral("Zapracován stav k 1.3.2012"), parent);
    state->setObjectName(QStringLiteral("Naklad_Stav_Label_2"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {compute, reset, regulation}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(state);
    buttons->addSpacing(12);
    for (QPushButton* b : {save, load}) buttons->addWidget(b);

    connect(compute, &QPushButton::clicked, this, [this] { Button81Click(); });
    connect(reset, &QPushButton::clicked, this, [this] { Button31Click(); });
    connect(regulation, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(save, &QPushButton::clicked, this, [this] { naklad_2_ulozitClick(); });
    connect(load, &QPushButton::clicked, this, [this] { Button50Click(); });
    return buttons;
}

costs::NonMonetaryInput NonMonetaryTab::form() const {
    costs::NonMonetaryInput in;
    in.item = items_->selectedItem();
    in.courtFeeItem = courtFees_->selectedItem();
    if (in.courtFeeItem) in.courtFeeCaption = courtFees_->caption(*in.courtFeeItem);
    in.date = fromQDate(date_->date());
    in.vatPayer = vat_->payer();
    in.vatDate = vat_->date();
    in.persons = persons_->value();
    in.courtFee = courtFee_->isChecked();
    in.courtFeeDate = fromQDate(courtFeeDate_->date());
    in.dismissal = costs::choiceAt<costs::Dismissal>(dismissal_->index());
    in.complex = complex_->isChecked();
    in.acts = acts_->rows();
    in.actDate = acts_->actDate();
    return in;
}

void NonMonetaryTab::setForm(const costs::NonMonetaryInput& in) {
    items_->selectItem(in.item);
    courtFees_->selectItem(in.courtFeeItem);
    date_->setDate(toQDate(in.date));
    vat_->set(in.vatPayer, in.vatDate);
    persons_->setValue(in.persons);
    courtFee_->setChecked(in.courtFee);
    courtFeeDate_->setDate(toQDate(in.courtFeeDate));
    dismissal_->setIndex(costs::choiceIndex(in.dismissal));
    complex_->setChecked(in.complex);
    if (!in.acts.empty()) acts_->setRows(in.acts);
}

void NonMonetaryTab::Button81Click() {
    runAction(this, [&] {
        const costs::NonMonetaryInput in = form();
        const auto tables = costs::Tables::load(page_.host().data().paths().programDir);
        const costs::Calculation c = costs::calculateNonMonetary(in, tables);
        acts_->setRows(c.acts);
        acts_->chooser()->setCurrentIndex(0);
        if (!c.warning.empty()) showWarning(this, qs(c.warning));
        results_->showRecord(c.record);
        page_.publish(c.record, costs::nonMonetarySummaryLines(c.record, costs::itemCaption(in.item.value_or(0)),
                                                               in.courtFeeCaption));
    });
}

void NonMonetaryTab::Button31Click() {
    results_->reset();
    acts_->clear();
    dismissal_->setIndex(-1);
    complex_->setChecked(false);
}

void NonMonetaryTab::Button1Click() { page_.showDecree(fromQDate(date_->date())); }

void NonMonetaryTab::naklad_2_ulozitClick() {
    if (!items_->selectedItem()) {
        // A set without its kind of proceedings could not be loaded back meaningfully.
        showMessage(this, qs(costs::kNoItemMessage));
        return;
    }
    withSetFile(this, page_.host().data().paths().dataDir, true,
                [&](const std::filesystem::path& file) { costs::saveNonMonetarySet(file, form()); });
}

void NonMonetaryTab::Button50Click() {
    withSetFile(this, page_.host().data().paths().dataDir, false,
                [&](const std::filesystem::path& file) { setForm(costs::loadNonMonetarySet(file)); });
}

void NonMonetaryTab::Mimoradne_Slozita_CheckBoxClick() { setGroupHighlight(complexFrame_, complex_->isChecked()); }

}  // namespace verdika::ui
