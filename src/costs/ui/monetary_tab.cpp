#include "costs/ui/monetary_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
#include "common/ui/controls.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/vat_payer.h"
#include "costs/cost_set.h"
#include "costs/costs_page.h"
#include "costs/summary.h"
#include "fees/ui/fee_page_parts.h"
#include "common/ui/radio_group.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

QLabel* notice(const QString& text, const char* name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0); font-weight: bold;"));
    return l;
}

}  // namespace

MonetaryTab::MonetaryTab(CostsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("Naklady_484_TabSheet"));
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    auto* notices = new QHBoxLayout;
    notices->addWidget(notice(QStringLiteral("Vyhláška 484/2000 Sb. byla Ústavním soudem zrušena. Tento modul již "
                                             "nebude nadále aktualizován. "),
                              "Naklad_Zruseno_Label", content),
                       1);
    auto* state = new QLabel(QStringLiteral("Zapracován stav k 1.3.2012"), content);
    state->setObjectName(QStringLiteral("Naklad_Stav_Label"));
    notices->addWidget(state, 0, Qt::AlignRight | Qt::AlignTop);
    outer->addLayout(notices);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    outer->addLayout(middle, 1);

    // The inputs.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(6);
    inputs->setVerticalSpacing(4);
    int row = 0;
    auto* feeTip = infoButton(QStringLiteral("BitBtn13"), content);
    infoBalloon(feeTip, QStringLiteral("Odměna - § 16"),
                QStringLiteral("Pro určení sazeb odměn je rozhodný stav v době vyhlášení (vydání) rozhodnutí."));
    date_ = makeDateEdit(QStringLiteral("Naklad_Date"), content);
    date_->setDate(QDate::currentDate());
    auto* dateLabel = new QLabel(QStringLiteral("Účinnost:"), content);
    dateLabel->setBuddy(date_);
    inputs->addWidget(dateLabel, row, 0);
    inputs->addWidget(date_, row, 1);
    inputs->addWidget(feeTip, row, 2, Qt::AlignLeft);
    ++row;

    principal_ = new QLineEdit(QStringLiteral("0"), content);
    principal_->setObjectName(QStringLiteral("Naklad_Jistina"));
    installTariffValueFilter(principal_);
    auto* principalCaption = new QLabel(QStringLiteral("Jistina:"), content);
    principalCaption->setBuddy(principal_);
    principalLabel_ = new QLabel(content);
    principalLabel_->setObjectName(QStringLiteral("Naklad_Jistina_Label"));
    inputs->addWidget(principalCaption, row, 0);
    inputs->addWidget(principal_, row, 1);
    inputs->addWidget(principalLabel_, row, 2, 1, 2);
    ++row;

    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), content);
    vatPayer_->setObjectName(QStringLiteral("Naklad_DPH_Check"));
    vatDate_ = makeDateEdit(QStringLiteral("Naklady_DPH_Date"), content);
    vatDate_->setDate(QDate::currentDate());
    vatRate_ = new QLabel(content);
    vatRate_->setObjectName(QStringLiteral("Naklad_DPH_sazba"));
    auto* vatRow = new QHBoxLayout;
    vatRow->addWidget(vatRate_);
    vatRow->addWidget(vatTipButton(QStringLiteral("BitBtn26"), content));
    vatRow->addStretch();
    inputs->addWidget(vatPayer_, row, 0);
    inputs->addWidget(vatDate_, row, 1);
    inputs->addLayout(vatRow, row, 2, 1, 2);
    ++row;

    persons_ = makePersonsBox(QStringLiteral("naklady_pocet_osob"), content);
    auto* personsLabel = new QLabel(QStringLiteral("Počet osob:"), content);
    personsLabel->setBuddy(persons_);
    inputs->addWidget(personsLabel, row, 0);
    inputs->addWidget(persons_, row, 1, Qt::AlignLeft);
    ++row;

    courtFee_ = new QCheckBox(QStringLiteral("Započítat do výsledku soudní poplatek"), content);
    courtFee_->setObjectName(QStringLiteral("Naklad_Poplatek_Check"));
    courtFee_->setChecked(true);
    courtFeeDate_ = makeDateEdit(QStringLiteral("Naklad_Poplatek_Date"), content);
    courtFeeDate_->setDate(QDate::currentDate());
    auto* feeRow = new QHBoxLayout;
    feeRow->addWidget(courtFee_);
    feeRow->addWidget(courtFeeDate_);
    feeRow->addWidget(courtFeeTipButton(QStringLiteral("BitBtn1"), content));
    feeRow->addStretch();
    inputs->addLayout(feeRow, row, 0, 1, 4);
    ++row;

    const char* groupNames[] = {"Naklad_1_Radio", "Naklad_2_Radio"};
    const char* clearNames[] = {"Naklad_1_Radio_Button", "Naklad_2_Radio_Button"};
    const QStringList items[] = {
        {QStringLiteral("Výkon rozhodnutí, exekuce - § 12 / 1"), QStringLiteral("Elektronický platební rozkaz")},
        {QStringLiteral("Odmítnutí žaloby nebo zastavení řízení § 13/1"),
         QStringLiteral("Odmítnutí odvolání nebo zastavení odvolacího řízení § 14/1")}};
    for (int g = 0; g < 2; ++g) {
        choices_[static_cast<size_t>(g)] = new RadioGroup(QString::fromLatin1(groupNames[g]), QString(), items[g], 1, content);
        auto* x = new QToolButton(content);
        x->setObjectName(QString::fromLatin1(clearNames[g]));
        x->setText(QStringLiteral("x"));
        x->setToolTip(QStringLiteral("Zrušit volbu"));
        auto* groupRow = new QHBoxLayout;
        groupRow->addWidget(choices_[static_cast<size_t>(g)], 1);
        groupRow->addWidget(x, 0, Qt::AlignTop);
        inputs->addLayout(groupRow, row++, 0, 1, 4);
        connect(choices_[static_cast<size_t>(g)], &RadioGroup::itemClicked, this, [this, g] { Naklad_Radio_Click(g); });
        connect(x, &QToolButton::clicked, this, [this, g] { Naklad_Radio_ButtonClick(g); });
    }
    inputs->setColumnStretch(3, 1);
    inputs->setRowStretch(row, 1);
    middle->addLayout(inputs, 1);

    acts_ = new ActList({QStringLiteral("DateTimePicker2"), QStringLiteral("ComboBox3"), QStringLiteral("Button25"),
                         QStringLiteral("Button18"), QStringLiteral("Naklady_SG_1"), QStringLiteral("BitBtn2")},
                        content);
    acts_->setObjectName(QStringLiteral("Naklad_Ukony_GroupBox"));
    middle->addWidget(acts_, 1);

    // The results, each with its two copy buttons.
    auto* resultsBox = new QGroupBox(QStringLiteral("Výsledek"), content);
    resultsBox->setObjectName(QStringLiteral("Naklad_Vysledky_GroupBox"));
    auto* rg = new QGridLayout(resultsBox);
    rg->setContentsMargins(6, 4, 6, 4);
    rg->setVerticalSpacing(2);
    const costs::TNaklady_rizeni& r = page_.record();
    struct Spec {
        const char *label, *field, *blue, *white;
        std::function<double()> value;
    };
    const Spec specs[9] = {
        {"Soudní poplatek:", "Naklad_SP", "BitBtn10", "BitBtn30", [&r] { return r.soudni_poplatek; }},
        {"Odměna:", "Naklad_Odmena", "BitBtn34", "BitBtn35", [&r] { return r.odmena; }},
        {"Režijní paušály (§17 AT):", "Naklad_RP", "BitBtn36", "BitBtn37",
         [&r] { return static_cast<double>(r.rezijni_pausaly); }},
        {"Odměna + RP:", "Naklad_Odmena_RP", "BitBtn38", "BitBtn39", [&r] { return r.odmenaRp(); }},
        {"DPH (z odměny):", "Naklad_DPH_1", "BitBtn40", "BitBtn41", [&r] { return r.dph_odmena; }},
        {"DPH (z RP):", "Naklad_DPH_2", "BitBtn42", "BitBtn43", [&r] { return r.dph_rp; }},
        {"DPH (z odměny + RP):", "Naklad_DPH_3", "BitBtn44", "BitBtn45", [&r] { return r.dphCelkem(); }},
        {"Odměna + DPH z odměny:", "Naklad_Odmena_Dph", "BitBtn76", "BitBtn77",
         [&r] { return r.odmena + r.dph_odmena; }},
        {"Náklady řízení (odměna, RP, případně SP, DPH):", "Naklad_celkem", "BitBtn46", "BitBtn47",
         [&r] { return r.celkem(); }},
    };
    // Fee and lump sums on the left, VAT on the right, the total below both.
    const int cells[8][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
    for (size_t i = 0; i < 9; ++i) {
        const Spec& s = specs[i];
        const int row = i < 8 ? cells[i][0] : 4, column = i < 8 ? cells[i][1] : 4;
        results_[i] = addResultRow(rg, row, column, QString::fromUtf8(s.label), QString::fromLatin1(s.field),
                                   QString::fromLatin1(s.blue), QString::fromLatin1(s.white), s.value, resultsBox);
    }
    QFont bold = results_[8].field->font();
    bold.setBold(true);
    results_[8].field->setFont(bold);
    // The total's long caption reaches over the left half.
    QWidget* totalLabel = rg->itemAtPosition(4, 4)->widget();
    rg->removeWidget(totalLabel);
    rg->addWidget(totalLabel, 4, 0, 1, 5, Qt::AlignRight);
    infoBalloon(results_[0].blue, QStringLiteral("Kopírování - tip"),
                QStringLiteral("Modré tlačítko kopíruje s formátováním, bílé bez formátování."));
    rg->setColumnStretch(1, 1);
    rg->setColumnStretch(5, 1);
    outer->addWidget(resultsBox);

    auto* buttons = new QGridLayout;
    auto* compute = makeButton("Naklad_Vypocitat", QStringLiteral("Vypočítat"), content);
    compute->setDefault(true);
    compute->setFont(bold);
    auto* reset = makeButton("Naklad_Vynulovat", QStringLiteral("Vynulovat"), content);
    auto* regulation = makeButton("Naklad_Predpis", QStringLiteral("Zobraz předpis 484/2000 Sb."), content);
    auto* save = makeButton("naklady_ulozit", QStringLiteral("Uložit sestavu"), content);
    auto* load = makeButton("Button34", QStringLiteral("Načíst sestavu"), content);
    auto* order = makeButton("Generovat_PR", QStringLiteral("Generovat platební rozkaz"), content);
    auto* orderTemplate = makeButton("Button102", QStringLiteral("Otevřít šablonu PR k editaci"), content);
    buttons->addWidget(compute, 0, 0);
    buttons->addWidget(reset, 0, 1);
    buttons->addWidget(regulation, 0, 2);
    buttons->addWidget(save, 1, 0);
    buttons->addWidget(load, 1, 1);
    buttons->setColumnStretch(3, 1);
    buttons->addWidget(order, 0, 4);
    buttons->addWidget(orderTemplate, 1, 4);
    outer->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollingArea(content, QStringLiteral("Naklady_484_Scroll")));

    connect(principal_, &QLineEdit::textChanged, this, [this] { Naklad_JistinaChange(); });
    connect(vatDate_, &QDateEdit::dateChanged, this, [this] { Naklady_DPH_DateChange(); });
    connect(vatPayer_, &QCheckBox::toggled, this, [this] { Naklady_DPH_DateChange(); });
    connect(compute, &QPushButton::clicked, this, [this] { Naklad_VypocitatClick(); });
    connect(reset, &QPushButton::clicked, this, [this] { Naklad_VynulovatClick(); });
    connect(regulation, &QPushButton::clicked, this, [this] { Naklad_PredpisClick(); });
    connect(save, &QPushButton::clicked, this, [this] { naklady_ulozitClick(); });
    connect(load, &QPushButton::clicked, this, [this] { Button34Click(); });
    connect(order, &QPushButton::clicked, this, [this] { page_.Generovat_PRClick(); });
    connect(orderTemplate, &QPushButton::clicked, this, [this] { page_.Button102Click(); });

    Settings& settings = page_.host().data().settings();
    vatPayer_->setChecked(settings.getBool(setting::VatPayer, false));
    connectVatPayerBox(vatPayer_, settings, page_.host().mainWindow());
    Naklady_DPH_DateChange();
    Naklad_JistinaChange();
}

costs::MonetaryInput MonetaryTab::form() const {
    costs::MonetaryInput in;
    in.principal = ss(principal_->text());
    in.date = fromQDate(date_->date());
    in.vatPayer = vatPayer_->isChecked();
    in.vatDate = fromQDate(vatDate_->date());
    in.persons = persons_->value();
    in.courtFee = courtFee_->isChecked();
    in.courtFeeDate = fromQDate(courtFeeDate_->date());
    in.choice1 = choices_[0]->itemIndex();
    in.choice2 = choices_[1]->itemIndex();
    in.acts = acts_->rows();
    in.actDate = fromQDate(acts_->date()->date());
    return in;
}

void MonetaryTab::setForm(const costs::MonetaryInput& in) {
    date_->setDate(toQDate(in.date));
    principal_->setText(qs(in.principal));
    vatPayer_->setChecked(in.vatPayer);
    Naklad_DPH_CheckClick(vatPayer_, page_.host().data().settings(), page_.host().mainWindow());
    vatDate_->setDate(toQDate(in.vatDate));
    persons_->setValue(in.persons);
    courtFee_->setChecked(in.courtFee);
    courtFeeDate_->setDate(toQDate(in.courtFeeDate));
    const int chosen[] = {in.choice1, in.choice2};
    for (size_t g = 0; g < 2; ++g) {
        choices_[g]->setItemIndex(chosen[g]);
        setGroupHighlight(choices_[g], chosen[g] >= 0);
    }
    if (!in.acts.empty()) acts_->setRows(in.acts);
}

void MonetaryTab::showResults(const costs::TNaklady_rizeni& r) {
    const double values[] = {r.soudni_poplatek, r.odmena,      static_cast<double>(r.rezijni_pausaly),
                             r.odmenaRp(),      r.dph_odmena,  r.dph_rp,
                             r.dphCelkem(),     r.odmena + r.dph_odmena, r.celkem()};
    for (size_t i = 0; i < 9; ++i) results_[i].field->setText(qs(Format_Castky(values[i])));
}

void MonetaryTab::Naklad_VypocitatClick() {
    runAction(this, [&] {
        if (principal_->text().isEmpty()) return;
        const auto tables = costs::Tables::load(page_.host().data().paths().programDir);
        const costs::Calculation c = costs::calculateMonetary(form(), tables);
        acts_->setRows(c.acts);
        acts_->chooser()->setCurrentIndex(0);
        showResults(c.record);
        page_.publish(c.record, costs::summaryLines(c.record));
    });
}

void MonetaryTab::Naklad_VynulovatClick() {
    principal_->clear();
    for (size_t i = 0; i < 9; ++i)
        if (i != 7) results_[i].field->clear();  // "Odměna + DPH z odměny" stays
    acts_->clear();
}

void MonetaryTab::Naklad_PredpisClick() { page_.showDecree(fromQDate(date_->date())); }

void MonetaryTab::naklady_ulozitClick() {
    const QString path = askSetFile(this, qpath(page_.host().data().paths().dataDir), true);
    if (path.isEmpty()) return;
    runAction(this, [&] { costs::saveMonetarySet(fspath(path), form()); });
}

void MonetaryTab::Button34Click() {
    const QString path = askSetFile(this, qpath(page_.host().data().paths().dataDir), false);
    if (path.isEmpty()) return;
    runAction(this, [&] { setForm(costs::loadMonetarySet(fspath(path))); });
}

void MonetaryTab::Naklady_DPH_DateChange() {
    vatRate_->setText(vatRateText(qpath(page_.host().data().paths().programDir), vatDate_->date(), vatPayer_->isChecked()));
}

void MonetaryTab::Naklad_Radio_Click(int group) { setGroupHighlight(choices_[static_cast<size_t>(group)], true); }

void MonetaryTab::Naklad_Radio_ButtonClick(int group) {
    choices_[static_cast<size_t>(group)]->setItemIndex(-1);
    setGroupHighlight(choices_[static_cast<size_t>(group)], false);
}

void MonetaryTab::Naklad_JistinaChange() {
    const QString t = principal_->text();
    const auto v = tryParseDecimal(ss(t));
    principalLabel_->setText(t.isEmpty() || !v ? QString() : qs(Format_Castky(*v)));
}

}  // namespace verdika::ui
