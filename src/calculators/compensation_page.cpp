#include "calculators/compensation_page.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "calculators/compensation.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "common/ui/result_field.h"
#include "common/ui/zero_select.h"

namespace verdika::ui {

namespace {

QLineEdit* edit(const QString& name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    selectZeroOnFocus(e);
    return e;
}

}  // namespace

CompensationPage::CompensationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet11"));
    auto* outer = new QVBoxLayout(this);
    auto* box = new QGroupBox(this);
    box->setMaximumWidth(640);
    auto* g = new QGridLayout(box);
    int row = 0;
    auto caption = [&](const QString& text, QWidget* buddy) { g->addWidget(buddyLabel(text, buddy, box), row, 0); };

    from_ = makeDateEdit(QStringLiteral("DateTimePicker5"), box);
    caption(QStringLiteral("Začátek řízení"), from_);
    g->addWidget(from_, row++, 1);
    to_ = makeDateEdit(QStringLiteral("DateTimePicker9"), box);
    caption(QStringLiteral("Konec řízení"), to_);
    g->addWidget(to_, row++, 1);

    base_ = edit(QStringLiteral("Edit2"), QStringLiteral("15000"), box);
    caption(QStringLiteral("Základ zadostiučinění"), base_);
    g->addWidget(base_, row, 1);
    auto* info = infoButton(
        QStringLiteral("BitBtn88"), QStringLiteral("Základ"),
        QStringLiteral("Dle judikatury ESLP se základ pohybuje mezi 15.000 a 20.000. Tato částka náleží v "
                       "polovině za první dva roky řízení, třetí a další rok v celé výši."),
        box);
    g->addWidget(info, row++, 2, Qt::AlignLeft);

    auto* adjust = new QGroupBox(QStringLiteral("Upravit procentně"), box);
    adjust->setObjectName(QStringLiteral("GroupBox31"));
    auto* ag = new QGridLayout(adjust);
    increase_ = new QRadioButton(QStringLiteral("zvýšit zadostiučinění o"), adjust);
    increase_->setObjectName(QStringLiteral("Zadostiucineni_Zvysit_RadioButton"));
    decrease_ = new QRadioButton(QStringLiteral("snížit zadostiučinění o"), adjust);
    decrease_->setObjectName(QStringLiteral("Zadostiucineni_Snizit_RadioButton"));
    increaseBy_ = edit(QStringLiteral("Edit7"), QStringLiteral("0"), adjust);
    decreaseBy_ = edit(QStringLiteral("Edit8"), QStringLiteral("0"), adjust);
    increaseBy_->setMaximumWidth(70);
    decreaseBy_->setMaximumWidth(70);
    auto* none = pushButton(QStringLiteral("Button62"), QStringLiteral("x"), adjust);
    none->setFixedWidth(28);
    none->setToolTip(QStringLiteral("Bez procentní úpravy"));
    ag->addWidget(increase_, 0, 0);
    ag->addWidget(increaseBy_, 0, 1);
    ag->addWidget(new QLabel(QStringLiteral("%"), adjust), 0, 2);
    ag->addWidget(none, 0, 3, 2, 1);
    ag->addWidget(decrease_, 1, 0);
    ag->addWidget(decreaseBy_, 1, 1);
    ag->addWidget(new QLabel(QStringLiteral("%"), adjust), 1, 2);
    ag->setColumnStretch(4, 1);
    g->addWidget(adjust, row++, 0, 1, 4);

    auto* compute = pushButton(QStringLiteral("Zadostiucineni_Button"), QStringLiteral("Spočítat"), box);
    compute->setDefault(true);
    g->addWidget(compute, row++, 1);

    duration_ = edit(QStringLiteral("Edit6"), QString(), box);
    duration_->setReadOnly(true);
    installCopyOnDoubleClick(duration_);
    caption(QStringLiteral("Délka trvání:"), duration_);
    g->addWidget(duration_, row++, 1);
    result_ = new ResultField(QStringLiteral("Edit5"), box, QStringLiteral("BitBtn90"), QStringLiteral("BitBtn91"));
    caption(QStringLiteral("Zadostiučinění"), result_->edit());
    g->addWidget(result_, row++, 1);
    resultAdjusted_ =
        new ResultField(QStringLiteral("Edit4"), box, QStringLiteral("BitBtn92"), QStringLiteral("BitBtn93"));
    caption(QStringLiteral("Zadostiučinění poprocentuální změně"), resultAdjusted_->edit());
    g->addWidget(resultAdjusted_, row++, 1);
    g->setColumnStretch(3, 1);
    outer->addWidget(box);
    outer->addStretch();

    connect(compute, &QPushButton::clicked, this, &CompensationPage::Zadostiucineni_ButtonClick);
    // The compute button is the page's default: Enter in an input computes.
    for (QLineEdit* e : {base_, increaseBy_, decreaseBy_})
        connect(e, &QLineEdit::returnPressed, this, &CompensationPage::Zadostiucineni_ButtonClick);
    connect(none, &QPushButton::clicked, this, &CompensationPage::Button62Click);
}

double CompensationPage::compensation() const { return result_->value(); }
double CompensationPage::adjusted() const { return resultAdjusted_->value(); }

void CompensationPage::Button62Click() {
    // Radio buttons of one group cannot all be off while they are exclusive.
    for (QRadioButton* r : {increase_, decrease_}) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

void CompensationPage::Zadostiucineni_ButtonClick() {
    runAction(this, [&] {
        const CompensationDuration d = compensationDuration(fromQDate(from_->date()), fromQDate(to_->date()));
        duration_->setText(qs(durationText(d)));
        const double base = parseDecimal(ss(base_->text()));
        CompensationAdjustment adj = CompensationAdjustment::None;
        double percent = 0;
        if (decrease_->isChecked()) {
            adj = CompensationAdjustment::Decrease;
            percent = parseDecimal(ss(decreaseBy_->text()));
        } else if (increase_->isChecked()) {
            adj = CompensationAdjustment::Increase;
            percent = parseDecimal(ss(increaseBy_->text()));
        }
        const CompensationResult r = computeCompensation(d, base, adjustmentFactor(adj, percent));
        result_->setAmount(r.compensation);
        resultAdjusted_->setAmount(r.adjusted);
    });
}

}  // namespace verdika::ui
