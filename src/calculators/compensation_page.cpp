#include "calculators/compensation_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "calculators/compensation.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

namespace {

QLineEdit* edit(const QString& name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

QLineEdit* result(const QString& name, QWidget* parent) {
    QLineEdit* e = edit(name, QString(), parent);
    e->setReadOnly(true);
    installCopyOnDoubleClick(e);
    return e;
}

QToolButton* copyButton(const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy"), parent->style()->standardIcon(QStyle::SP_FileLinkIcon)));
    return b;
}

}  // namespace

CompensationPage::CompensationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet11"));
    auto* outer = new QVBoxLayout(this);
    auto* box = new QGroupBox(this);
    box->setMaximumWidth(640);
    auto* g = new QGridLayout(box);
    int row = 0;
    auto caption = [&](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, box);
        l->setBuddy(buddy);
        g->addWidget(l, row, 0);
    };

    from_ = makeDateEdit(QStringLiteral("DateTimePicker5"), box);
    caption(QStringLiteral("Začátek řízení"), from_);
    g->addWidget(from_, row++, 1);
    to_ = makeDateEdit(QStringLiteral("DateTimePicker9"), box);
    caption(QStringLiteral("Konec řízení"), to_);
    g->addWidget(to_, row++, 1);

    base_ = edit(QStringLiteral("Edit2"), QStringLiteral("15000"), box);
    caption(QStringLiteral("Základ zadostiučinění"), base_);
    g->addWidget(base_, row, 1);
    auto* info = new QPushButton(QStringLiteral("?"), box);
    info->setObjectName(QStringLiteral("BitBtn88"));
    info->setAutoDefault(false);
    info->setFixedWidth(28);
    infoBalloon(info, QStringLiteral("Základ"),
                QStringLiteral("Dle judikatury ESLP se základ pohybuje mezi 15.000 a 20.000. Tato částka náleží v "
                               "polovině za první dva roky řízení, třetí a další rok v celé výši."));
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
    auto* none = new QPushButton(QStringLiteral("x"), adjust);
    none->setObjectName(QStringLiteral("Button62"));
    none->setAutoDefault(false);
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

    auto* compute = new QPushButton(QStringLiteral("Spočítat"), box);
    compute->setObjectName(QStringLiteral("Zadostiucineni_Button"));
    compute->setDefault(true);
    g->addWidget(compute, row++, 1);

    duration_ = result(QStringLiteral("Edit6"), box);
    caption(QStringLiteral("Délka trvání:"), duration_);
    g->addWidget(duration_, row++, 1);
    result_ = result(QStringLiteral("Edit5"), box);
    caption(QStringLiteral("Zadostiučinění"), result_);
    g->addWidget(result_, row, 1);
    auto* copy5 = copyButton(QStringLiteral("BitBtn90"), QStringLiteral("Kopírovat do schránky"), box);
    auto* copy5n = copyButton(QStringLiteral("BitBtn91"), QStringLiteral("Kopírovat do schránky jako číslo"), box);
    g->addWidget(copy5, row, 2);
    g->addWidget(copy5n, row++, 3, Qt::AlignLeft);
    resultAdjusted_ = result(QStringLiteral("Edit4"), box);
    caption(QStringLiteral("Zadostiučinění poprocentuální změně"), resultAdjusted_);
    g->addWidget(resultAdjusted_, row, 1);
    auto* copy4 = copyButton(QStringLiteral("BitBtn92"), QStringLiteral("Kopírovat do schránky"), box);
    auto* copy4n = copyButton(QStringLiteral("BitBtn93"), QStringLiteral("Kopírovat do schránky jako číslo"), box);
    g->addWidget(copy4, row, 2);
    g->addWidget(copy4n, row++, 3, Qt::AlignLeft);
    g->setColumnStretch(3, 1);
    outer->addWidget(box);
    outer->addStretch();

    connect(compute, &QPushButton::clicked, this, &CompensationPage::Zadostiucineni_ButtonClick);
    // The compute button is the page's default: Enter in an input computes.
    for (QLineEdit* e : {base_, increaseBy_, decreaseBy_})
        connect(e, &QLineEdit::returnPressed, this, &CompensationPage::Zadostiucineni_ButtonClick);
    connect(none, &QPushButton::clicked, this, &CompensationPage::Button62Click);
    connect(copy5, &QToolButton::clicked, this, [this] { Odmena_EditDblClick(result_); });
    connect(copy4, &QToolButton::clicked, this, [this] { Odmena_EditDblClick(resultAdjusted_); });
    connect(copy5n, &QToolButton::clicked, this,
            [this] { QApplication::clipboard()->setText(qs(Format_Cislo(compensation_))); });
    connect(copy4n, &QToolButton::clicked, this,
            [this] { QApplication::clipboard()->setText(qs(Format_Cislo(adjusted_))); });
}

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
        compensation_ = r.compensation;
        adjusted_ = r.adjusted;
        result_->setText(qs(Format_Castky(r.compensation)));
        resultAdjusted_->setText(qs(Format_Castky(r.adjusted)));
    });
}

}  // namespace verdika::ui
