#include "costs/ui/monetary_tab.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "common/ui/result_field.h"
#include "common/ui/scrolling.h"
#include "common/ui/up_down_field.h"
#include "common/ui/zero_select.h"
#include "costs/cost_set.h"
#include "costs/costs_page.h"
#include "costs/summary.h"
#include "costs/ui/act_list.h"
#include "costs/ui/choice_group.h"
#include "costs/ui/cost_results.h"
#include "costs/ui/costs_widgets.h"
#include "costs/ui/vat_payer_row.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

using R = costs::TNaklady_rizeni;

// Fee and lump sums on the left, VAT on the right, the total below both.
const std::vector<CostResults::Field> kResults = {
    {"Soudní poplatek:", "Naklad_SP", "BitBtn10", "BitBtn30", [](const R& r) { return r.soudni_poplatek; }, 0, 0},
    {"Odměna:", "Naklad_Odmena", "BitBtn34", "BitBtn35", [](const R& r) { return r.odmena; }, 1, 0},
    {"Režijní paušály (§17 AT):", "Naklad_RP", "BitBtn36", "BitBtn37",
     [](const R& r) { return static_cast<double>(r.rezijni_pausaly); }, 2, 0},
    {"Odměna + RP:", "Naklad_Odmena_RP", "BitBtn38", "BitBtn39", [](const R& r) { return r.odmenaRp(); }, 3, 0},
    {"DPH (z odměny):", "Naklad_DPH_1", "BitBtn40", "BitBtn41", [](const R& r) { return r.dph_odmena; }, 0, 1},
    {"DPH (z RP):", "Naklad_DPH_2", "BitBtn42", "BitBtn43", [](const R& r) { return r.dph_rp; }, 1, 1},
    {"DPH (z odměny + RP):", "Naklad_DPH_3", "BitBtn44", "BitBtn45", [](const R& r) { return r.dphCelkem(); }, 2, 1},
    {"Odměna + DPH z odměny:", "Naklad_Odmena_Dph", "BitBtn76", "BitBtn77",
     [](const R& r) { return r.odmena + r.dph_odmena; }, 3, 1, false, true},
    {"Náklady řízení (odměna, RP, případně SP, DPH):", "Naklad_celkem", "BitBtn46", "BitBtn47",
     [](const R& r) { return r.celkem(); }, 4, 0, true},
};

QLabel* notice(const QString& text, const char* name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0); font-weight: bold;"));
    return l;
}

QHBoxLayout* notices(QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(notice(QStringLiteral("Vyhláška 484/2000 Sb. byla Ústavním soudem zrušena. Tento modul již "
                                         "nebude nadále aktualizován. "),
                          "Naklad_Zruseno_Label", parent),
                   1);
    auto* state = new QLabel(QStringLiteral("Zapracován stav k 1.3.2012"), parent);
    state->setObjectName(QStringLiteral("Naklad_Stav_Label"));
    row->addWidget(state, 0, Qt::AlignRight | Qt::AlignTop);
    return row;
}

}  // namespace

MonetaryTab::MonetaryTab(CostsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("Naklady_484_TabSheet"));
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);
    outer->addLayout(notices(content));

    auto* middle = new QHBoxLayout;
    middle->addLayout(buildInputs(content), 1);
    acts_ = new ActList({QStringLiteral("DateTimePicker2"), QStringLiteral("ComboBox3"), QStringLiteral("Button25"),
                         QStringLiteral("Button18"), QStringLiteral("Naklady_SG_1"), QStringLiteral("BitBtn2")},
                        content);
    acts_->setObjectName(QStringLiteral("Naklad_Ukony_GroupBox"));
    middle->addWidget(acts_, 1);
    outer->addLayout(middle, 1);

    results_ = new CostResults(QStringLiteral("Naklad_Vysledky_GroupBox"), kResults, content);
    infoBalloon(results_->field(0)->copyButton(ResultField::Copy::AsShown), QStringLiteral("Kopírování - tip"),
                QStringLiteral("Modré tlačítko kopíruje s formátováním, bílé bez formátování."));
    outer->addWidget(results_);
    outer->addLayout(buildButtons(content));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollingArea(content, QStringLiteral("Naklady_484_Scroll")));
    Naklad_JistinaChange();
}

QGridLayout* MonetaryTab::buildInputs(QWidget* parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(VatPayerRow::kSpacing);
    grid->setVerticalSpacing(4);
    date_ = makeDateEdit(QStringLiteral("Naklad_Date"), parent);
    date_->setDate(QDate::currentDate());
    QLabel* dateLabel = buddyLabel(QStringLiteral("Účinnost:"), date_, parent);
    grid->addWidget(dateLabel, 0, 0);
    grid->addWidget(date_, 0, 1);
    grid->addWidget(infoButton(QStringLiteral("BitBtn13"), QStringLiteral("Odměna - § 16"),
                               QStringLiteral("Pro určení sazeb odměn je rozhodný stav v době vyhlášení (vydání) "
                                              "rozhodnutí."),
                               parent),
                    0, 2, Qt::AlignLeft);

    principal_ = new QLineEdit(QStringLiteral("0"), parent);
    principal_->setObjectName(QStringLiteral("Naklad_Jistina"));
    principal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    installTariffValueFilter(principal_);
    selectZeroOnFocus(principal_);
    principalLabel_ = new QLabel(parent);
    principalLabel_->setObjectName(QStringLiteral("Naklad_Jistina_Label"));
    QLabel* principalCaption = buddyLabel(QStringLiteral("Jistina:"), principal_, parent);
    grid->addWidget(principalCaption, 1, 0);
    grid->addWidget(principal_, 1, 1);
    grid->addWidget(principalLabel_, 1, 2, 1, 2);

    vat_ = new VatPayerRow({QStringLiteral("Naklad_DPH_Check"), QStringLiteral("Naklady_DPH_Date"),
                            QStringLiteral("Naklad_DPH_sazba"), QStringLiteral("BitBtn26")},
                           page_.host(), parent);
    grid->addWidget(vat_, 2, 0, 1, 4);

    persons_ = new UpDownField(QStringLiteral("naklady_pocet_osob"), 0, 100, parent);
    persons_->setValue(1);
    QLabel* personsLabel = buddyLabel(QStringLiteral("Počet osob:"), persons_, parent);
    grid->addWidget(personsLabel, 3, 0);
    grid->addWidget(persons_, 3, 1, Qt::AlignLeft);

    courtFee_ = new QCheckBox(QStringLiteral("Započítat do výsledku soudní poplatek"), parent);
    courtFee_->setObjectName(QStringLiteral("Naklad_Poplatek_Check"));
    courtFee_->setChecked(true);
    courtFeeDate_ = makeDateEdit(QStringLiteral("Naklad_Poplatek_Date"), parent);
    courtFeeDate_->setDate(QDate::currentDate());
    auto* feeRow = new QHBoxLayout;
    feeRow->addWidget(courtFee_);
    feeRow->addWidget(courtFeeDate_);
    feeRow->addWidget(courtFeeTipButton(QStringLiteral("BitBtn1"), parent));
    feeRow->addStretch();
    grid->addLayout(feeRow, 4, 0, 1, 4);

    proceedings_ = new ChoiceGroup(QStringLiteral("Naklad_1_Radio"), QStringLiteral("Naklad_1_Radio_Button"),
                                   {QStringLiteral("Výkon rozhodnutí, exekuce - § 12 / 1"),
                                    QStringLiteral("Elektronický platební rozkaz")},
                                   parent);
    dismissal_ = new ChoiceGroup(QStringLiteral("Naklad_2_Radio"), QStringLiteral("Naklad_2_Radio_Button"),
                                 {QStringLiteral("Odmítnutí žaloby nebo zastavení řízení § 13/1"),
                                  QStringLiteral("Odmítnutí odvolání nebo zastavení odvolacího řízení § 14/1")},
                                 parent);
    grid->addWidget(proceedings_, 5, 0, 1, 4);
    grid->addWidget(dismissal_, 6, 0, 1, 4);
    const int lead = std::max({dateLabel->sizeHint().width(), principalCaption->sizeHint().width(),
                               personsLabel->sizeHint().width(), vat_->captionWidth()});
    grid->setColumnMinimumWidth(0, lead);
    vat_->setCaptionWidth(lead);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    connect(principal_, &QLineEdit::textChanged, this, [this] { Naklad_JistinaChange(); });
    return grid;
}

QGridLayout* MonetaryTab::buildButtons(QWidget* parent) {
    auto* compute = computeButton(QStringLiteral("Naklad_Vypocitat"), parent);
    auto* reset = pushButton(QStringLiteral("Naklad_Vynulovat"), QStringLiteral("Vynulovat"), parent);
    auto* regulation = pushButton(QStringLiteral("Naklad_Predpis"), QStringLiteral("Zobraz předpis 484/2000 Sb."), parent);
    auto* save = pushButton(QStringLiteral("naklady_ulozit"), QStringLiteral("Uložit sestavu"), parent);
    auto* load = pushButton(QStringLiteral("Button34"), QStringLiteral("Načíst sestavu"), parent);
    auto* order = pushButton(QStringLiteral("Generovat_PR"), QStringLiteral("Generovat platební rozkaz"), parent);
    auto* orderTemplate =
        pushButton(QStringLiteral("Button102"), QStringLiteral("Otevřít šablonu PR k editaci"), parent);
    auto* buttons = new QGridLayout;
    buttons->addWidget(compute, 0, 0);
    buttons->addWidget(reset, 0, 1);
    buttons->addWidget(regulation, 0, 2);
    buttons->addWidget(save, 1, 0);
    buttons->addWidget(load, 1, 1);
    buttons->setColumnStretch(3, 1);
    buttons->addWidget(order, 0, 4);
    buttons->addWidget(orderTemplate, 1, 4);

    connect(compute, &QPushButton::clicked, this, [this] { Naklad_VypocitatClick(); });
    connect(reset, &QPushButton::clicked, this, [this] { Naklad_VynulovatClick(); });
    connect(regulation, &QPushButton::clicked, this, [this] { Naklad_PredpisClick(); });
    connect(save, &QPushButton::clicked, this, [this] { naklady_ulozitClick(); });
    connect(load, &QPushButton::clicked, this, [this] { Button34Click(); });
    connect(order, &QPushButton::clicked, this, [this] { page_.Generovat_PRClick(); });
    connect(orderTemplate, &QPushButton::clicked, this, [this] { page_.Button102Click(); });
    return buttons;
}

QWidget* MonetaryTab::firstInput() const { return principal_; }

costs::MonetaryInput MonetaryTab::form() const {
    costs::MonetaryInput in;
    in.principal = ss(principal_->text());
    in.date = fromQDate(date_->date());
    in.vatPayer = vat_->payer();
    in.vatDate = vat_->date();
    in.persons = persons_->value();
    in.courtFee = courtFee_->isChecked();
    in.courtFeeDate = fromQDate(courtFeeDate_->date());
    in.proceedings = costs::choiceAt<costs::Proceedings>(proceedings_->index());
    in.dismissal = costs::choiceAt<costs::Dismissal>(dismissal_->index());
    in.acts = acts_->rows();
    in.actDate = acts_->actDate();
    return in;
}

void MonetaryTab::setForm(const costs::MonetaryInput& in) {
    date_->setDate(toQDate(in.date));
    principal_->setText(qs(in.principal));
    vat_->set(in.vatPayer, in.vatDate);
    persons_->setValue(in.persons);
    courtFee_->setChecked(in.courtFee);
    courtFeeDate_->setDate(toQDate(in.courtFeeDate));
    proceedings_->setIndex(costs::choiceIndex(in.proceedings));
    dismissal_->setIndex(costs::choiceIndex(in.dismissal));
    if (!in.acts.empty()) acts_->setRows(in.acts);
}

void MonetaryTab::Naklad_VypocitatClick() {
    runAction(this, [&] {
        if (principal_->text().isEmpty()) return;
        const auto tables = costs::Tables::load(page_.host().data().paths().programDir);
        const costs::Calculation c = costs::calculateMonetary(form(), tables);
        acts_->setRows(c.acts);
        acts_->chooser()->setCurrentIndex(0);
        results_->showRecord(c.record);
        page_.publish(c.record, costs::summaryLines(c.record));
    });
}

void MonetaryTab::Naklad_VynulovatClick() {
    principal_->clear();
    results_->reset();
    acts_->clear();
}

void MonetaryTab::Naklad_PredpisClick() { page_.showDecree(fromQDate(date_->date())); }

void MonetaryTab::naklady_ulozitClick() {
    withSetFile(this, page_.host().data().paths().dataDir, true,
                [&](const std::filesystem::path& file) { costs::saveMonetarySet(file, form()); });
}

void MonetaryTab::Button34Click() {
    withSetFile(this, page_.host().data().paths().dataDir, false,
                [&](const std::filesystem::path& file) { setForm(costs::loadMonetarySet(file)); });
}

void MonetaryTab::Naklad_JistinaChange() {
    const QString t = principal_->text();
    const auto v = tryParseDecimal(ss(t));
    principalLabel_->setText(t.isEmpty() || !v ? QString() : qs(Format_Castky(*v)));
}

}  // namespace verdika::ui
