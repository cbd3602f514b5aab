#include "travel/ui/trip_result_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/result_field.h"

namespace verdika::ui {

TripResultBox::TripResultBox(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* actions = new QHBoxLayout;
    compute_ = pushButton(QStringLiteral("Cestovne_Vysledek_Button"), QStringLiteral("OK"), this);
    compute_->setDefault(true);
    compute_->setToolTip(QStringLiteral("Spočítat cestovné"));
    reset_ = pushButton(QStringLiteral("Cestovne_vynulovat_Button"), QStringLiteral("Vynulovat"), this);
    actions->addWidget(compute_);
    actions->addWidget(reset_);
    layout->addLayout(actions);
    auto* law = pushButton(QStringLiteral("Predpis_262_2000"), QStringLiteral("Zobraz předpis 262/2006 Sb."), this);
    layout->addWidget(law);

    auto* results = new QGridLayout;
    results->setVerticalSpacing(2);
    meals_ = new ResultField(QStringLiteral("Stravne_Edit"), this, QStringLiteral("BitBtn48"), QStringLiteral("BitBtn61"));
    total_ = new ResultField(QStringLiteral("Cestovne_Vysledek_Edit"), this, QStringLiteral("BitBtn62"),
                             QStringLiteral("BitBtn63"));
    total_->setBold(true);
    results->addWidget(new QLabel(QStringLiteral("Stravné"), this), 0, 0);
    results->addWidget(meals_, 0, 1);
    results->addWidget(new QLabel(QStringLiteral("Cestovné :"), this), 1, 0);
    results->addWidget(total_, 1, 1);
    results->setColumnStretch(1, 1);
    layout->addLayout(results);
    showZero();

    auto* statement = new QHBoxLayout;
    auto* print = pushButton(QStringLiteral("Cestovne_Tisk_Button"), QStringLiteral("Tisk tohoto výsledku"), this);
    auto* pdf = pushButton(QStringLiteral("Cestovne_PDF_Button"), QStringLiteral("PDF"), this);
    statement->addWidget(print);
    statement->addWidget(pdf);
    layout->addLayout(statement);

    connect(compute_, &QPushButton::clicked, this, &TripResultBox::computeClicked);
    connect(reset_, &QPushButton::clicked, this, &TripResultBox::resetClicked);
    connect(law, &QPushButton::clicked, this, &TripResultBox::regulationClicked);
    connect(print, &QPushButton::clicked, this, &TripResultBox::printClicked);
    connect(pdf, &QPushButton::clicked, this, &TripResultBox::pdfClicked);
}

void TripResultBox::showResult(const travel::TripResult& r) {
    meals_->setAmount(r.meals);
    total_->setAmount(r.total);
}

void TripResultBox::showZero() {
    meals_->setValue(0, QStringLiteral("0"));
    total_->setValue(0, QStringLiteral("0"));
}

}  // namespace verdika::ui
