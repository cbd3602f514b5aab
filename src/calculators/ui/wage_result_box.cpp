#include "calculators/ui/wage_result_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "common/ui/result_field.h"

namespace verdika::ui {

WageResultBox::WageResultBox(QWidget* parent) : QGroupBox(QStringLiteral("Výsledek"), parent) {
    setObjectName(QStringLiteral("Srazky_Vysledek_GroupBox"));
    auto* g = new QGridLayout(this);
    g->setVerticalSpacing(3);
    using R = wage::Result;
    struct Row {
        const char* caption;
        const char* name;
        double R::*field;
    };
    const Row rows[] = {
        {"Nezabavitelná částka na povinného", "N", &R::debtorAmount},
        {"na každou vyživovanou osobu", "V", &R::dependantAmount},
        {"Nezabavitelná částka celkem", "Nezabavitelna", &R::nonSeizable},
        {"Zbytek čisté mzdy", "Zbytek", &R::remainder},
        {"Hranice pro srážku bez omezení", "Hranice", &R::threshold},
        {"Zbytek nad hranicí (sráží se celý)", "NadHranici", &R::aboveThreshold},
        {"Zbytek do hranice dělitelný třemi", "Zbytek3", &R::remainderByThree},
        {"Jedna třetina", "Tretina", &R::third},
        {"Srážka celkem", "Srazka", &R::deduction},
        {"Povinnému se vyplatí", "Vyplati", &R::paidToDebtor},
        {"Náhrada plátce mzdy (ze srážky)", "Nahrada", &R::employerFee},
    };
    int row = 0;
    for (const Row& r : rows) {
        const QString name = QString::fromLatin1(r.name);
        auto* field = new ResultField(QStringLiteral("Srazky_%1_Edit").arg(name), this, QStringLiteral("Srazky_%1_Kc").arg(name),
                                      QStringLiteral("Srazky_%1_Cislo").arg(name));
        field->edit()->setMinimumWidth(130);
        if (r.field == &R::deduction || r.field == &R::paidToDebtor) field->setBold(true);
        g->addWidget(buddyLabel(QString::fromUtf8(r.caption), field->edit(), this), row, 0);
        g->addWidget(field, row++, 1);
        fields_.emplace_back(field, r.field);
    }
    periodUsed_ = new QLabel(this);
    periodUsed_->setObjectName(QStringLiteral("Srazky_Obdobi_Label"));
    periodUsed_->setWordWrap(true);
    g->addWidget(periodUsed_, row++, 0, 1, 2);
    g->setColumnStretch(2, 1);
    g->setRowStretch(row, 1);
}

void WageResultBox::showResult(const wage::Result& r) {
    for (const auto& [field, member] : fields_) field->setAmount(r.*member);
    periodUsed_->setText(QStringLiteral("Použité částky: období od %1%2")
                             .arg(qs(r.period.name),
                                  r.period.unconfirmed ? QStringLiteral(" – částky nejsou ověřeny") : QString()));
    periodUsed_->setStyleSheet(r.period.unconfirmed ? QStringLiteral("color: #b00000;") : QString());
}

void WageResultBox::clear() {
    for (const auto& entry : fields_) entry.first->clear();
    periodUsed_->clear();
}

}  // namespace verdika::ui
