#include "interest/ui/rate_choice.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"
#include "interest/interest_form.h"

namespace verdika::ui {

using namespace verdika::interest;

namespace {

QLineEdit* rateEdit(const QString& name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    selectZeroOnFocus(e);
    return e;
}

}  // namespace

RateChoice::RateChoice(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    mode_ = new RadioGroup(QStringLiteral("RadioGroup1"), QString(), {QStringLiteral("Úrok"), QStringLiteral("Poplatek")},
                           2, this);
    mode_->setItemIndex(0);
    auto* feeHint = infoButton(QStringLiteral("BitBtn89"), QStringLiteral("Poplatek z prodlení"),
                               QStringLiteral("Poplatek z prodlení je od 1. 1. 2014 stanoven zákonem č. 67/2013 Sb."),
                               mode_);
    // The hint sits in the group's own grid, after the two items.
    if (auto* items = qobject_cast<QGridLayout*>(mode_->layout())) {
        items->addWidget(feeHint, 0, 2);
        items->setColumnStretch(3, 1);
    }
    v->addWidget(mode_);

    contractual_ = new QGroupBox(QStringLiteral("Smluvní výše úroků"), this);
    contractual_->setObjectName(QStringLiteral("GroupBox1"));
    auto* g = new QGridLayout(contractual_);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    customRate_ = new QCheckBox(QStringLiteral("Zadat vlastní výši úroku:"), contractual_);
    customRate_->setObjectName(QStringLiteral("Vlastni_Vyse_Uroku_CheckBox"));
    dailyRadio_ = new QRadioButton(QStringLiteral("Denní úrok"), contractual_);
    dailyRadio_->setObjectName(QStringLiteral("Denni_urok_radio"));
    annualRadio_ = new QRadioButton(QStringLiteral("Roční úrok"), contractual_);
    annualRadio_->setObjectName(QStringLiteral("rocni_urok_radio"));
    annualRadio_->setChecked(true);
    dailyRate_ = rateEdit(QStringLiteral("denni_urok_edit"), QStringLiteral("0"), contractual_);
    annualRate_ = rateEdit(QStringLiteral("Rocni_Urok_Edit"), QStringLiteral("0"), contractual_);
    yearLength_ = rateEdit(QStringLiteral("Edit13"), QStringLiteral("365"), contractual_);
    auto* rateHint = infoButton(
        QStringLiteral("BitBtn14"), QStringLiteral("Úroková míra"),
        QStringLiteral("Pokud je ve smlouvě dohodnuta pevná úroková míra, zaškrtněte Zadat vlastní výši úroků a "
                       "vypiště údaje do denního úroku či ročního úroku. Zákonná výše úroků se v tomto případě "
                       "nepoužije."),
        contractual_);
    g->addWidget(customRate_, 0, 0, 1, 3);
    g->addWidget(buddyLabel(QStringLiteral("Dnů v roce:"), yearLength_, contractual_), 0, 3, Qt::AlignRight);
    g->addWidget(yearLength_, 0, 4);
    g->addWidget(rateHint, 0, 5);
    g->addWidget(dailyRadio_, 1, 0);
    g->addWidget(dailyRate_, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("%"), contractual_), 1, 2);
    g->addWidget(annualRadio_, 1, 3);
    g->addWidget(annualRate_, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("%"), contractual_), 1, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);
    v->addWidget(contractual_);

    connect(mode_, &RadioGroup::itemClicked, this, &RateChoice::modeClicked);
}

void RateChoice::readInto(Options& o) const {
    o.mode = mode_->itemIndex() == 1 ? Mode::Fee : Mode::Interest;
    o.customRate = customRate_->isChecked();
    o.kind = dailyRadio_->isChecked() ? RateKind::Daily : RateKind::Annual;
    o.dailyRate = ss(dailyRate_->text());
    o.annualRate = ss(annualRate_->text());
    o.yearLength = ss(yearLength_->text());
}

void RateChoice::setOptions(const Options& o) {
    mode_->setItemIndex(o.mode == Mode::Fee ? 1 : 0);
    customRate_->setChecked(o.customRate);
    (o.kind == RateKind::Daily ? dailyRadio_ : annualRadio_)->setChecked(true);
    dailyRate_->setText(qs(o.dailyRate));
    annualRate_->setText(qs(o.annualRate));
    yearLength_->setText(qs(o.yearLength));
    // The late fee's rate is fixed by law.
    contractual_->setEnabled(o.mode == Mode::Interest);
}

void RateChoice::showRates(const std::string& daily, const std::string& annual) {
    dailyRate_->setText(qs(daily));
    annualRate_->setText(qs(annual));
}

void RateChoice::reset() {
    dailyRate_->clear();
    annualRate_->clear();
    customRate_->setChecked(false);
}

void RateChoice::modeClicked(int index) {
    Options o;
    readInto(o);
    chooseMode(o, index == 1 ? Mode::Fee : Mode::Interest);
    setOptions(o);
}

}  // namespace verdika::ui
