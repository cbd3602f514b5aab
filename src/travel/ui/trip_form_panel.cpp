#include "travel/ui/trip_form_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"
#include "common/ui/up_down_field.h"
#include "common/ui/zero_select.h"
#include "travel/ui/trip_result_box.h"

namespace verdika::ui {

namespace {

// A number kept as typed: the trip reads it when it is computed, so a text
// that is no number is reported then, naming the text.
QLineEdit* numberEdit(const QString& name, int digits, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 14);
    selectZeroOnFocus(e);
    return e;
}

UpDownField* countField(const QString& name, const QString& editName, int maximum, QWidget* parent) {
    auto* f = new UpDownField(name, 0, maximum, parent, editName);
    selectZeroOnFocus(f->edit());
    return f;
}

QHBoxLayout* withUnit(QWidget* field, const QString& unit, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(field);
    row->addWidget(new QLabel(unit, parent));
    row->addStretch();
    return row;
}

// A row of a box's grid: caption, number, unit.
QLineEdit* addNumberRow(QGridLayout* grid, int row, const QString& caption, const QString& name, int digits,
                        const QString& unit) {
    QWidget* box = grid->parentWidget();
    QLineEdit* edit = numberEdit(name, digits, box);
    grid->addWidget(buddyLabel(caption, edit, box), row, 0);
    grid->addLayout(withUnit(edit, unit, box), row, 1);
    return edit;
}

}  // namespace

TripFormPanel::TripFormPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(buildTripBox());
    layout->addLayout(buildExpenses());
    auto* right = buildDuration();
    results_ = new TripResultBox(this);
    right->addWidget(results_);
    right->addStretch();
    layout->addLayout(right);
    layout->addStretch();

    // Enter in any field computes, as "OK" does.
    for (QLineEdit* e : {distance_, halfHours_->edit(), vatStandard_, vatReduced_, parking_, accommodation_,
                         hours_->edit(), days_->edit()})
        connect(e, &QLineEdit::returnPressed, results_, &TripResultBox::computeClicked);
    connect(date_, &QDateEdit::dateChanged, this, &TripFormPanel::dateChanged);
    setKeyboardOrder();
}

QWidget* TripFormPanel::buildTripBox() {
    auto* box = new QGroupBox(QStringLiteral("Cesta"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    date_ = makeDateEdit(QStringLiteral("Cestovne_DateTimePicker"), box);
    g->addWidget(buddyLabel(QStringLiteral("&Datum:"), date_, box), 0, 0);
    g->addWidget(date_, 0, 1, 1, 2, Qt::AlignLeft);

    reason_ = new QComboBox(box);
    reason_->setObjectName(QStringLiteral("Duvod_Cesty_Edit"));
    reason_->setEditable(true);
    for (std::string_view r : travel::kTripReasons) reason_->addItem(qs(r));
    reason_->setCurrentIndex(0);
    // Sized for the suggestions, not for what is typed or listed, so the inputs beside stay put.
    reason_->setMinimumContentsLength(18);
    reason_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    g->addWidget(buddyLabel(QStringLiteral("Důvod &cesty:"), reason_, box), 1, 0);
    g->addWidget(reason_, 1, 1, 1, 2);

    cars_ = new QComboBox(box);
    cars_->setObjectName(QStringLiteral("Auta_ComboBox"));
    cars_->setMinimumContentsLength(16);
    cars_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* carInfo = infoButton(QStringLiteral("BitBtn84"), QStringLiteral("Cestovné automobil"),
                               QStringLiteral("Automobil prosím zadejte v pravém okně nastavení a posléze v tomto "
                                              "okně jen vyberte jeden z automobilů."),
                               box);
    g->addWidget(buddyLabel(QStringLiteral("&Vozidlo:"), cars_, box), 2, 0);
    g->addWidget(cars_, 2, 1);
    g->addWidget(carInfo, 2, 2, Qt::AlignLeft);

    distance_ = numberEdit(QStringLiteral("Vzdalenost_Edit"), 8, box);
    g->addWidget(buddyLabel(QStringLiteral("Vzdále&nost :"), distance_, box), 3, 0);
    g->addLayout(withUnit(distance_, QStringLiteral("km"), box), 3, 1, 1, 2);
    auto* pick = new QHBoxLayout;
    distanceTable_ = pushButton(QStringLiteral("Nacti_Vdzalenost_Button"), QStringLiteral("Výchozí cesty"), box);
    favourites_ = pushButton(QStringLiteral("Button28"), QStringLiteral("Oblíbené cesty"), box);
    pick->addWidget(distanceTable_);
    pick->addWidget(favourites_);
    pick->addStretch();
    g->addLayout(pick, 4, 1, 1, 2);
    roundTrip_ = new QCheckBox(QStringLiteral("Cesta &tam i zpět"), box);
    roundTrip_->setObjectName(QStringLiteral("Vzdalenost_CheckBox"));
    g->addWidget(roundTrip_, 5, 1, 1, 2);
    halfHours_ = countField(QStringLiteral("Pulhodin_UpDown"), QStringLiteral("Pulhodin_Edit"), 99999, box);
    g->addWidget(buddyLabel(QStringLiteral("Počet &půlhodin:"), halfHours_, box), 6, 0);
    g->addWidget(halfHours_, 6, 1, 1, 2, Qt::AlignLeft);
    g->setRowStretch(7, 1);

    connect(distanceTable_, &QPushButton::clicked, this, &TripFormPanel::distanceTableClicked);
    connect(favourites_, &QPushButton::clicked, this, &TripFormPanel::favouritesClicked);
    return box;
}

// The fuel price, VAT and other expenses.
QLayout* TripFormPanel::buildExpenses() {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    priceSource_ = new RadioGroup(QStringLiteral("Vlastni_Cena_Radio"), QStringLiteral("Cena paliva"),
                                  {QStringLiteral("Vyhláškové ceny paliv"), QStringLiteral("Vlastní ceny paliv")}, 1,
                                  this);
    priceSource_->setItemIndex(0);
    column->addWidget(priceSource_);

    auto* vatBox = new QGroupBox(QStringLiteral("DPH"), this);
    auto* vg = new QGridLayout(vatBox);
    vg->setVerticalSpacing(2);
    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), vatBox);
    vatPayer_->setObjectName(QStringLiteral("Cestovne_Platce_Dph_CheckBox"));
    vg->addWidget(vatPayer_, 0, 0, 1, 2);
    vatStandard_ = addNumberRow(vg, 1, QStringLiteral("zvýšená"), QStringLiteral("Cestovne_Dph_Zvysena_Edit"), 4,
                                QStringLiteral("%"));
    vatReduced_ = addNumberRow(vg, 2, QStringLiteral("snížená"), QStringLiteral("Cestovne_Dph_Snizena_Edit"), 4,
                               QStringLiteral("%"));
    column->addWidget(vatBox);

    auto* otherBox = new QGroupBox(QStringLiteral("Další výdaje"), this);
    auto* og = new QGridLayout(otherBox);
    og->setVerticalSpacing(2);
    parking_ = addNumberRow(og, 0, QStringLiteral("Par&kovné:"), QStringLiteral("Parkovne_Edit"), 8, QStringLiteral("Kč"));
    accommodation_ =
        addNumberRow(og, 1, QStringLiteral("&Ubytovné:"), QStringLiteral("Ubytovne_Edit"), 8, QStringLiteral("Kč"));
    column->addWidget(otherBox);
    column->addStretch();
    return column;
}

// The duration and the meal bound; the results follow under them.
QVBoxLayout* TripFormPanel::buildDuration() {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    auto* box = new QGroupBox(QStringLiteral("Trvání prac. cesty"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(2);
    hours_ = countField(QStringLiteral("Trvani_cesty_Hodin_UpDown"), QStringLiteral("Trvani_cesty_Hodin_Edit"), 9999,
                        box);
    days_ = countField(QStringLiteral("Trvani_cesty_Dnu_UpDown"), QStringLiteral("Trvani_cesty_Dnu_Edit"), 9999, box);
    days_->setValue(1);
    g->addWidget(hours_, 0, 0);
    g->addWidget(buddyLabel(QStringLiteral("hodin"), hours_, box), 0, 1);
    g->addWidget(days_, 1, 0);
    g->addWidget(buddyLabel(QStringLiteral("kalendářních dnů"), days_, box), 1, 1);
    g->setColumnStretch(2, 1);
    column->addWidget(box);
    mealBound_ = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Stravné"),
                                {QStringLiteral("nižší hranice"), QStringLiteral("vyšší hranice")}, 1, this);
    mealBound_->setItemIndex(1);
    column->addWidget(mealBound_);
    return column;
}

void TripFormPanel::setKeyboardOrder() {
    QWidget* order[] = {date_,
                        reason_,
                        cars_,
                        distance_,
                        distanceTable_,
                        favourites_,
                        roundTrip_,
                        halfHours_,
                        priceSource_->button(0),
                        priceSource_->button(1),
                        vatPayer_,
                        vatStandard_,
                        vatReduced_,
                        parking_,
                        accommodation_,
                        hours_,
                        days_,
                        mealBound_->button(0),
                        mealBound_->button(1),
                        results_->computeButton(),
                        results_->resetButton()};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

travel::TripForm TripFormPanel::form() const {
    travel::TripForm f;
    f.date = fromQDate(date_->date());
    f.reason = ss(reason_->currentText());
    if (cars_->currentIndex() >= 0) f.carNumber = cars_->currentIndex() + 1;
    f.distance = ss(distance_->text());
    f.halfHours = ss(halfHours_->edit()->text());
    f.roundTrip = roundTrip_->isChecked();
    f.vatPayer = vatPayer_->isChecked();
    f.standardVat = ss(vatStandard_->text());
    f.reducedVat = ss(vatReduced_->text());
    f.priceSource = priceSource_->itemIndex() == 1 ? travel::PriceSource::Own : travel::PriceSource::Decree;
    f.parking = ss(parking_->text());
    f.accommodation = ss(accommodation_->text());
    f.hours = ss(hours_->edit()->text());
    f.days = ss(days_->edit()->text());
    f.mealBound = mealBound_->itemIndex() == 1 ? travel::MealBound::Upper : travel::MealBound::Lower;
    return f;
}

void TripFormPanel::setForm(const travel::TripForm& f) {
    reason_->setEditText(qs(f.reason));
    const bool listed = f.carNumber && *f.carNumber >= 1 && *f.carNumber <= cars_->count();
    cars_->setCurrentIndex(listed ? static_cast<int>(*f.carNumber) - 1 : -1);
    distance_->setText(qs(f.distance));
    halfHours_->edit()->setText(qs(f.halfHours));
    roundTrip_->setChecked(f.roundTrip);
    vatPayer_->setChecked(f.vatPayer);
    vatStandard_->setText(qs(f.standardVat));
    vatReduced_->setText(qs(f.reducedVat));
    priceSource_->setItemIndex(f.priceSource == travel::PriceSource::Own ? 1 : 0);
    parking_->setText(qs(f.parking));
    accommodation_->setText(qs(f.accommodation));
    hours_->edit()->setText(qs(f.hours));
    days_->edit()->setText(qs(f.days));
    mealBound_->setItemIndex(f.mealBound == travel::MealBound::Upper ? 1 : 0);
    date_->setDate(toQDate(f.date));
}

void TripFormPanel::setCars(const QStringList& names) {
    cars_->clear();
    cars_->addItems(names);
    if (cars_->count() > 0) cars_->setCurrentIndex(0);
}

void TripFormPanel::setVatRates(const travel::VatRateTexts& rates) {
    vatStandard_->setText(qs(rates.standard));
    vatReduced_->setText(qs(rates.reduced));
}

QDate TripFormPanel::date() const { return date_->date(); }

void TripFormPanel::focusFirstInput() { date_->setFocus(Qt::OtherFocusReason); }

}  // namespace verdika::ui
