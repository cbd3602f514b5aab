#include "tariff/ui/options_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "common/ui/controls.h"
#include "common/ui/zero_select.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"

namespace verdika::ui {
namespace {

using tariff::Appointment;
using tariff::FeeAdjustment;
using tariff::Scaling;

// The groups' items in their order on the page.
constexpr std::array kScalingItems = {Scaling::Triple, Scaling::Halve};
constexpr std::array kAppointmentItems = {Appointment::ExOfficioDefence, Appointment::Representative,
                                          Appointment::ChildsGuardian};

template <typename E, std::size_t N>
E optionOf(const std::array<E, N>& items, int index) {
    return index >= 0 && index < static_cast<int>(N) ? items[static_cast<std::size_t>(index)] : E::None;
}

template <typename E, std::size_t N>
int indexOf(const std::array<E, N>& items, E option) {
    for (std::size_t i = 0; i < N; ++i)
        if (items[i] == option) return static_cast<int>(i);
    return -1;
}

QToolButton* clearButton(const QString& name, QWidget* parent) {
    return toolButton(name, QStringLiteral("x"), QStringLiteral("Zrušit volbu"), parent);
}

QLineEdit* percentEdit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(name);
    e->setMaximumWidth(60);
    selectZeroOnFocus(e);
    return e;
}

}  // namespace

TariffOptionsBox::TariffOptionsBox(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    scaling_ = new RadioGroup(QStringLiteral("Mimoradne_Zvyseni_RadioGroup"),
                              QStringLiteral("Mimořádné zvýšení / snížení (§12)"),
                              {QStringLiteral("zvýšit na trojnásobek"), QStringLiteral("snížit na polovinu")}, 2, this);
    auto* clearScaling = clearButton(QStringLiteral("Mimoradne_Zvyseni_Button"), this);
    column->addWidget(withClearButton(scaling_, clearScaling, {}));

    appointment_ = new RadioGroup(QStringLiteral("Specialni_RadioGroup"), QStringLiteral("Speciální"),
                                  {QStringLiteral("trestní ex offo"), QStringLiteral("§12a zástupce/opatrovník"),
                                   QStringLiteral("§12c opatrovník dítěte")},
                                  1, this);
    auto* clearAppointment = clearButton(QStringLiteral("Specialni_Button"), this);
    column->addWidget(withClearButton(
        appointment_, clearAppointment,
        {infoButton(QStringLiteral("BitBtn17"), QStringLiteral("Trestní ex offo"),
                    QStringLiteral("Odměna obhájce ustanoveného v trestním řízení se od 1.1.2013 snižuje o 20 % "
                                   "(§ 12a) a činí nejvýše 5 000 Kč za jeden úkon. V letech 2011 a 2012 se snižovala "
                                   "o 30 % (§ 12b), od 1.10.1997 do 31.12.2010 o 10 % (§ 15a). Program použije "
                                   "pravidlo platné ke dni každého úkonu."),
                    this),
         infoButton(QStringLiteral("BitBtn25"), QStringLiteral("Snížení odměn"),
                    QStringLiteral("§ 12a a § 12c (účinné od 1.1.2011 do 31.12.2012): sazba odměny zástupce nebo "
                                   "opatrovníka ustanoveného soudem v občanském soudním řízení se snižuje o 30 % a "
                                   "činí nejvýše 5 000 Kč za jeden úkon; odměna opatrovníka dítěte podle zákona o "
                                   "soudnictví ve věcech mládeže se snižuje o 30 %.\nOd 1.1.2013 se odměna "
                                   "ustanoveného advokáta snižuje o 20 % (§ 12a) a program ji omezuje na nejvýše "
                                   "5 000 Kč za jeden úkon."),
                    this)}));
    column->addWidget(buildPercentage());
    column->addWidget(build14b());
    column->addStretch();

    connect(scaling_, &RadioGroup::itemClicked, this, [this] { Mimoradne_Zvyseni_RadioGroupClick(); });
    connect(clearScaling, &QToolButton::clicked, this, [this] { Mimoradne_Zvyseni_ButtonClick(); });
    connect(appointment_, &RadioGroup::itemClicked, this, [this] { Specialni_RadioGroupClick(); });
    connect(clearAppointment, &QToolButton::clicked, this, [this] { Specialni_ButtonClick(); });
    // toggled, not clicked: unticking by the program (reset, loading, the 2014 check) has the same effect.
    connect(check14b_, &QCheckBox::toggled, this, [this] { FormularovaZaloba_CheckBoxClick(); });
}

QWidget* TariffOptionsBox::withClearButton(QWidget* group, QToolButton* clear, QList<QWidget*> side) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(group, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(clear);
    for (QWidget* w : side) buttons->addWidget(w);
    buttons->addStretch();
    row->addLayout(buttons);
    return box;
}

QWidget* TariffOptionsBox::buildPercentage() {
    percentageGroup_ = new QGroupBox(QStringLiteral("Upravit procentně odměnu za úkon "), this);
    percentageGroup_->setObjectName(QStringLiteral("GroupBox24"));
    auto* grid = new QGridLayout(percentageGroup_);
    grid->setContentsMargins(6, 4, 6, 4);
    raise_ = new QRadioButton(QStringLiteral("zvýšit odměnu o"), percentageGroup_);
    raise_->setObjectName(QStringLiteral("Zvyseni_Procento_Tarif_Radio"));
    raiseEdit_ = percentEdit(QStringLiteral("Zvyseni_Procento_Tarif_Edit"), percentageGroup_);
    lower_ = new QRadioButton(QStringLiteral("snížit odměnu o"), percentageGroup_);
    lower_->setObjectName(QStringLiteral("Snizeni_Procento_Tarif_Radio"));
    lowerEdit_ = percentEdit(QStringLiteral("Snizeni_Procento_Tarif_Edit"), percentageGroup_);
    grid->addWidget(raise_, 0, 0);
    grid->addWidget(raiseEdit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), percentageGroup_), 0, 2);
    grid->addWidget(lower_, 1, 0);
    grid->addWidget(lowerEdit_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), percentageGroup_), 1, 2);
    grid->setColumnStretch(3, 1);
    auto* clear = clearButton(QStringLiteral("Zrusit_Upravy_Tarifu"), this);
    connect(raise_, &QRadioButton::clicked, this, [this] { Zvyseni_Procento_Tarif_RadioClick(); });
    connect(lower_, &QRadioButton::clicked, this, [this] { Zvyseni_Procento_Tarif_RadioClick(); });
    connect(clear, &QToolButton::clicked, this, [this] { Zrusit_Upravy_TarifuClick(); });
    return withClearButton(
        percentageGroup_, clear,
        {infoButton(QStringLiteral("BitBtn7"), QStringLiteral("Procentní úprava"),
                    QStringLiteral("Vyberte, zda chcete odměnu za úkon snížit či zvýšit a zadejte o kolik procent."),
                    this)});
}

QWidget* TariffOptionsBox::build14b() {
    group14b_ = new QGroupBox(QStringLiteral("§ 14b formulářové žaloby"), this);
    group14b_->setObjectName(QStringLiteral("Formularove_GroupBox"));
    auto* row = new QHBoxLayout(group14b_);
    row->setContentsMargins(6, 4, 6, 4);
    check14b_ = new QCheckBox(QStringLiteral("náhrada žalobce z formulářové žaloby"), group14b_);
    check14b_->setObjectName(QStringLiteral("FormularovaZaloba_CheckBox"));
    row->addWidget(check14b_, 1);
    row->addWidget(infoButton(
        QStringLiteral("BitBtn94"), QStringLiteral("Tzv. vymáhání drobných pohledávek"),
        QStringLiteral("§ 14b (účinný od 1.7.2014) platí v řízení zahájeném žalobou na formuláři, který žalobce "
                       "opakovaně používá ve skutkově a právně obdobných věcech, jde-li o peněžité plnění nejvýše "
                       "50 000 Kč.\nSazba za úkon činí 200 Kč při tarifní hodnotě do 10 000 Kč, 300 Kč přes 10 000 "
                       "do 30 000 Kč a 500 Kč přes 30 000 Kč; za jednoduchou výzvu k plnění a ve výkonu rozhodnutí "
                       "za první poradu s klientem a za sepsání návrhu 100 Kč. Odměny podle § 14b nepřesáhnou "
                       "dohromady tarifní hodnotu.\nZvolte úkony „převzetí a příprava zastoupení“, „výzva k plnění "
                       "se základním skutkovým a právním rozborem…“, „návrh na zahájení řízení (§ 14b)“, "
                       "„jednoduchá výzva k plnění“ nebo „výkon rozhodnutí - první porada…“ a „výkon rozhodnutí - "
                       "sepsání návrhu…“."),
        group14b_));
    return group14b_;
}

void TariffOptionsBox::readInto(tariff::TariffForm& form) const {
    form.scaling = optionOf(kScalingItems, scaling_->itemIndex());
    form.appointment = optionOf(kAppointmentItems, appointment_->itemIndex());
    form.adjustment = lower_->isChecked()   ? FeeAdjustment::Lower
                      : raise_->isChecked() ? FeeAdjustment::Raise
                                            : FeeAdjustment::None;
    form.raiseText = ss(raiseEdit_->text());
    form.lowerText = ss(lowerEdit_->text());
    form.par14b = check14b_->isChecked();
}

void TariffOptionsBox::setOptions(const tariff::TariffForm& form) {
    if (form.adjustment == FeeAdjustment::None) {
        Zrusit_Upravy_TarifuClick();
    } else {
        (form.adjustment == FeeAdjustment::Lower ? lower_ : raise_)->setChecked(true);
        Zvyseni_Procento_Tarif_RadioClick();
    }
    raiseEdit_->setText(qs(form.raiseText));
    lowerEdit_->setText(qs(form.lowerText));
    if (form.appointment == Appointment::None) {
        Specialni_ButtonClick();
    } else {
        appointment_->setItemIndex(indexOf(kAppointmentItems, form.appointment));
        Specialni_RadioGroupClick();
    }
    if (form.scaling == Scaling::None) {
        Mimoradne_Zvyseni_ButtonClick();
    } else {
        scaling_->setItemIndex(indexOf(kScalingItems, form.scaling));
        Mimoradne_Zvyseni_RadioGroupClick();
    }
    check14b_->setChecked(form.par14b);
}

bool TariffOptionsBox::par14b() const { return check14b_->isChecked(); }
void TariffOptionsBox::setPar14b(bool on) { check14b_->setChecked(on); }

void TariffOptionsBox::Mimoradne_Zvyseni_RadioGroupClick() { setGroupHighlight(scaling_, true); }

void TariffOptionsBox::Mimoradne_Zvyseni_ButtonClick() {
    scaling_->setItemIndex(-1);
    setGroupHighlight(scaling_, false);
}

void TariffOptionsBox::Specialni_RadioGroupClick() {
    setGroupHighlight(appointment_, true);
    check14b_->setChecked(false);
}

void TariffOptionsBox::Specialni_ButtonClick() {
    appointment_->setItemIndex(-1);
    setGroupHighlight(appointment_, false);
}

void TariffOptionsBox::Zvyseni_Procento_Tarif_RadioClick() { setGroupHighlight(percentageGroup_, true); }

void TariffOptionsBox::Zrusit_Upravy_TarifuClick() {
    for (QRadioButton* r : {raise_, lower_}) {
        // Radio buttons of one group cannot all be off while they are exclusive.
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
    setGroupHighlight(percentageGroup_, false);
}

void TariffOptionsBox::FormularovaZaloba_CheckBoxClick() {
    if (check14b_->isChecked()) Specialni_ButtonClick();
    setGroupHighlight(group14b_, check14b_->isChecked());
}

}  // namespace verdika::ui
