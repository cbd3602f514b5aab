#include "calculators/ui/wage_input_box.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "common/ui/balloon.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"
#include "common/ui/up_down_field.h"

namespace verdika::ui {

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setToolTip(tip);
    return c;
}

}  // namespace

WageInputBox::WageInputBox(QWidget* parent) : QGroupBox(QStringLiteral("Zadání"), parent) {
    setObjectName(QStringLiteral("Srazky_Zadani_GroupBox"));
    auto* g = new QGridLayout(this);
    g->setVerticalSpacing(4);
    int row = 0;
    addDates(g, row);
    addOptions(g, row);
    addButtons(g, row);
    g->setRowStretch(row, 1);

    connect(period_, &QDateEdit::dateChanged, this, &WageInputBox::monthChanged);
    connect(payment_, &QDateEdit::dateChanged, this, &WageInputBox::periodChanged);
    connect(insolvency_, &QCheckBox::toggled, this, [this](bool on) {
        claim_->setEnabled(!on);
        fourExecutions_->setEnabled(!on);
    });
    connect(wage_, &QLineEdit::returnPressed, this, &WageInputBox::computeClicked);
}

void WageInputBox::addDates(QGridLayout* g, int& row) {
    period_ = new QDateEdit(this);
    period_->setObjectName(QStringLiteral("Srazky_Obdobi_DateEdit"));
    period_->setDisplayFormat(QStringLiteral("M/yyyy"));
    period_->setMinimumDate(QDate(1900, 1, 1));
    period_->setToolTip(QStringLiteral("Měsíc, za který se mzda vyplácí"));
    g->addWidget(buddyLabel(QStringLiteral("&Mzdové období:"), period_, this), row, 0);
    g->addWidget(period_, row++, 1, Qt::AlignLeft);

    payment_ = makeDateEdit(QStringLiteral("Srazky_Vyplata_DateTimePicker"), this);
    payment_->setToolTip(QStringLiteral("Od roku 2025 rozhodují částky platné 1. ledna roku výplaty"));
    g->addWidget(buddyLabel(QStringLiteral("&Den výplaty:"), payment_, this), row, 0);
    g->addWidget(payment_, row++, 1, Qt::AlignLeft);

    wage_ = new NumberField(QStringLiteral("Srazky_Mzda_Edit"), 2, this);
    wage_->setMinimumWidth(120);
    g->addWidget(buddyLabel(QStringLiteral("Čistá m&zda:"), wage_, this), row, 0);
    auto* wageRow = new QHBoxLayout;
    wageRow->addWidget(wage_);
    wageRow->addWidget(new QLabel(QStringLiteral("Kč"), this));
    wageRow->addStretch();
    g->addLayout(wageRow, row++, 1);
}

void WageInputBox::addOptions(QGridLayout* g, int& row) {
    dependants_ = new UpDownField(QStringLiteral("Srazky_Vyzivovane_SpinEdit"), 0, wage::kMaxDependants, this);
    dependants_->setToolTip(QStringLiteral("Děti a další osoby, kterým povinný poskytuje výživu, bez manžela/ky; "
                                           "osoba, pro kterou se vymáhá výživné, se nepočítá"));
    g->addWidget(buddyLabel(QStringLiteral("V&yživované osoby:"), dependants_, this), row, 0);
    g->addWidget(dependants_, row++, 1, Qt::AlignLeft);

    spouse_ = checkBox("Srazky_Manzel_CheckBox", QStringLiteral("manžel/ka se započítává (důchod)"),
                       QStringLiteral("Do roku 2024 vždy; od roku 2025 jen při starobním, invalidním (II. nebo "
                                      "III. stupně) nebo sirotčím důchodu povinného nebo manžela/ky"),
                       this);
    g->addWidget(spouse_, row++, 0, 1, 2);

    claim_ = new RadioGroup(QStringLiteral("Srazky_Pohledavka_RadioGroup"), QStringLiteral("Pohledávka"),
                            {QStringLiteral("nepřednostní"), QStringLiteral("výživné"), QStringLiteral("jiná přednostní")},
                            1, this);
    claim_->setItemIndex(0);
    g->addWidget(claim_, row++, 0, 1, 2);

    fourExecutions_ = checkBox("Srazky_Exekuce4_CheckBox", QStringLiteral("4 a více exekucí"),
                               QStringLiteral("Od mzdy za říjen 2024 se při čtyřech a více exekucích srážejí dvě "
                                              "třetiny i u nepřednostních pohledávek"),
                               this);
    g->addWidget(fourExecutions_, row++, 0, 1, 2);
    insolvency_ = checkBox("Srazky_Insolvence_CheckBox", QStringLiteral("insolvence (oddlužení)"),
                           QStringLiteral("V oddlužení se sráží jako pro přednostní pohledávky"), this);
    g->addWidget(insolvency_, row++, 0, 1, 2);
}

void WageInputBox::addButtons(QGridLayout* g, int& row) {
    auto* compute = pushButton(QStringLiteral("Srazky_Vypocitat_Button"), QStringLiteral("Vypočítat"), this);
    compute->setDefault(true);
    auto* reset = pushButton(QStringLiteral("Srazky_Vynulovat_Button"), QStringLiteral("Vynulovat"), this);
    info_ = infoButton(QStringLiteral("Srazky_Info_Button"), this);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(6);
    actions->addWidget(compute);
    actions->addWidget(reset);
    actions->addWidget(info_);
    actions->addStretch();
    g->addLayout(actions, row++, 0, 1, 2);

    auto* regulation = pushButton(QStringLiteral("Srazky_Predpis_Button"), QStringLiteral("Zobraz předpis"), this);
    auto* web = pushButton(QStringLiteral("Srazky_Web_Button"), QStringLiteral("Otevřít webovou kalkulačku"), this);
    auto* links = new QHBoxLayout;
    links->setSpacing(6);
    links->addWidget(regulation);
    links->addWidget(web);
    links->addStretch();
    g->addLayout(links, row++, 0, 1, 2);

    connect(compute, &QPushButton::clicked, this, &WageInputBox::computeClicked);
    connect(reset, &QPushButton::clicked, this, &WageInputBox::resetClicked);
    connect(regulation, &QPushButton::clicked, this, &WageInputBox::regulationClicked);
    connect(web, &QPushButton::clicked, this, &WageInputBox::webClicked);
}

wage::Input WageInputBox::period() const {
    wage::Input in;
    in.wageYear = period_->date().year();
    in.wageMonth = period_->date().month();
    in.payment = fromQDate(payment_->date());
    return in;
}

wage::Input WageInputBox::input() const {
    wage::Input in = period();
    in.netWage = wage_->value();
    in.dependants = dependants_->value();
    in.spouse = spouse_->isChecked();
    in.claim = static_cast<wage::Claim>(std::max(0, claim_->itemIndex()));
    in.fourOrMoreExecutions = fourExecutions_->isChecked();
    in.insolvency = insolvency_->isChecked();
    return in;
}

void WageInputBox::setPeriod(const QDate& firstOfMonth) {
    if (period_->date() == firstOfMonth) monthChanged();
    else period_->setDate(firstOfMonth);
}

void WageInputBox::monthChanged() {
    // A wage falls due in the following month; the user may still move the day.
    const QDate p = period_->date();
    const QSignalBlocker quiet(payment_);
    payment_->setDate(toQDate(wage::defaultPaymentDate(p.year(), p.month())));
    emit periodChanged();
}

void WageInputBox::reset() {
    wage_->setValue(0);
    dependants_->setValue(0);
    spouse_->setChecked(false);
    claim_->setItemIndex(0);
    fourExecutions_->setChecked(false);
    insolvency_->setChecked(false);
}

void WageInputBox::setPeriodInfo(const QString& text) { infoBalloon(info_, QStringLiteral("Srážky ze mzdy"), text); }

}  // namespace verdika::ui
