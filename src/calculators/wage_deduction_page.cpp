#include "calculators/wage_deduction_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/controls.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/desktop.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/summary_box.h"
#include "fees/ui/fee_page_parts.h"
#include "common/ui/number_field.h"
#include "reference/regulations.h"

namespace verdika::ui {

namespace {

// The outside calculator lives under the program's service host, so an
// office that points the services elsewhere moves it too.
constexpr const char* kWebCalculatorPath = "/finance/vypocet-exekuce.html";

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QToolButton* copyButton(const QString& name, const QString& text, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QDate firstOfPreviousMonth(const QDate& today) {
    const QDate d = today.addMonths(-1);
    return QDate(d.year(), d.month(), 1);
}

}  // namespace

WageDeductionPage::WageDeductionPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet8"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Srazky_Obsah"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->addWidget(buildInputs());
    top->addWidget(buildResults(), 1);
    layout->addLayout(top);

    summary_ = new SummaryBox(host_, {QStringLiteral("Srazky_RichEdit"), QStringLiteral("Srazky_Ulozit_Button"),
                                      QStringLiteral("Srazky_Tisk_Button"), QStringLiteral("Srazky_PDF_Button"),
                                      QStringLiteral("Srážky ze mzdy"), QStringLiteral("srazky")},
                              content);
    summary_->addRecordTools(QStringLiteral("Ponechat_Srazky_CheckBox"), QStringLiteral("Srazky_TXT_Button"));
    summary_->setMinimumHeight(160);
    layout->addWidget(summary_, 1);
    outer->addWidget(scrollingArea(content, QStringLiteral("Srazky_Scroll")));

    connect(summary_, &SummaryBox::toTxtRequested, this, &WageDeductionPage::Srazky_TXTClick);
    period_->setDate(firstOfPreviousMonth(QDate::currentDate()));
    periodChanged();
}

QWidget* WageDeductionPage::buildInputs() {
    auto* box = new QGroupBox(QStringLiteral("Zadání"));
    box->setObjectName(QStringLiteral("Srazky_Zadani_GroupBox"));
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    int row = 0;
    auto caption = [&](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, box);
        l->setBuddy(buddy);
        g->addWidget(l, row, 0);
    };

    period_ = new QDateEdit(box);
    period_->setObjectName(QStringLiteral("Srazky_Obdobi_DateEdit"));
    period_->setDisplayFormat(QStringLiteral("M/yyyy"));
    period_->setMinimumDate(QDate(1900, 1, 1));
    period_->setToolTip(QStringLiteral("Měsíc, za který se mzda vyplácí"));
    caption(QStringLiteral("&Mzdové období:"), period_);
    g->addWidget(period_, row++, 1, Qt::AlignLeft);

    payment_ = makeDateEdit(QStringLiteral("Srazky_Vyplata_DateTimePicker"), box);
    payment_->setToolTip(QStringLiteral("Od roku 2025 rozhodují částky platné 1. ledna roku výplaty"));
    caption(QStringLiteral("&Den výplaty:"), payment_);
    g->addWidget(payment_, row++, 1, Qt::AlignLeft);

    wage_ = new NumberField(QStringLiteral("Srazky_Mzda_Edit"), 2, box);
    wage_->setMinimumWidth(120);
    caption(QStringLiteral("Čistá m&zda:"), wage_);
    auto* wageRow = new QHBoxLayout;
    wageRow->addWidget(wage_);
    wageRow->addWidget(new QLabel(QStringLiteral("Kč"), box));
    wageRow->addStretch();
    g->addLayout(wageRow, row++, 1);

    dependants_ = new QSpinBox(box);
    dependants_->setObjectName(QStringLiteral("Srazky_Vyzivovane_SpinEdit"));
    dependants_->setRange(0, wage::kMaxDependants);
    dependants_->setToolTip(QStringLiteral("Děti a další osoby, kterým povinný poskytuje výživu, bez manžela/ky; "
                                           "osoba, pro kterou se vymáhá výživné, se nepočítá"));
    caption(QStringLiteral("V&yživované osoby:"), dependants_);
    g->addWidget(dependants_, row++, 1, Qt::AlignLeft);

    spouse_ = new QCheckBox(QStringLiteral("manžel/ka se započítává (důchod)"), box);
    spouse_->setObjectName(QStringLiteral("Srazky_Manzel_CheckBox"));
    spouse_->setToolTip(QStringLiteral("Do roku 2024 vždy; od roku 2025 jen při starobním, invalidním (II. nebo "
                                       "III. stupně) nebo sirotčím důchodu povinného nebo manžela/ky"));
    g->addWidget(spouse_, row++, 0, 1, 2);

    claimBox_ = new QGroupBox(QStringLiteral("Pohledávka"), box);
    claimBox_->setObjectName(QStringLiteral("Srazky_Pohledavka_RadioGroup"));
    claim_ = new QButtonGroup(claimBox_);
    auto* cl = new QVBoxLayout(claimBox_);
    cl->setContentsMargins(6, 2, 6, 2);
    cl->setSpacing(0);
    const QStringList claims = {QStringLiteral("nepřednostní"), QStringLiteral("výživné"),
                                QStringLiteral("jiná přednostní")};
    for (int i = 0; i < claims.size(); ++i) {
        auto* r = new QRadioButton(claims[i], claimBox_);
        r->setObjectName(QStringLiteral("Srazky_Pohledavka_RadioGroup_%1").arg(i));
        claim_->addButton(r, i);
        cl->addWidget(r);
    }
    claim_->button(0)->setChecked(true);
    g->addWidget(claimBox_, row++, 0, 1, 2);

    fourExecutions_ = new QCheckBox(QStringLiteral("4 a více exekucí"), box);
    fourExecutions_->setObjectName(QStringLiteral("Srazky_Exekuce4_CheckBox"));
    fourExecutions_->setToolTip(QStringLiteral("Od mzdy za říjen 2024 se při čtyřech a více exekucích srážejí dvě "
                                               "třetiny i u nepřednostních pohledávek"));
    g->addWidget(fourExecutions_, row++, 0, 1, 2);
    insolvency_ = new QCheckBox(QStringLiteral("insolvence (oddlužení)"), box);
    insolvency_->setObjectName(QStringLiteral("Srazky_Insolvence_CheckBox"));
    insolvency_->setToolTip(QStringLiteral("V oddlužení se sráží jako pro přednostní pohledávky"));
    g->addWidget(insolvency_, row++, 0, 1, 2);

    auto* actions = new QHBoxLayout;
    actions->setSpacing(6);
    auto* compute = makeButton("Srazky_Vypocitat_Button", QStringLiteral("Vypočítat"), box);
    compute->setDefault(true);
    auto* reset = makeButton("Srazky_Vynulovat_Button", QStringLiteral("Vynulovat"), box);
    info_ = infoButton(QStringLiteral("Srazky_Info_Button"), box);
    actions->addWidget(compute);
    actions->addWidget(reset);
    actions->addWidget(info_);
    actions->addStretch();
    g->addLayout(actions, row++, 0, 1, 2);
    auto* regulation = makeButton("Srazky_Predpis_Button", QStringLiteral("Zobraz předpis"), box);
    auto* web = makeButton("Srazky_Web_Button", QStringLiteral("Otevřít webovou kalkulačku"), box);
    auto* links = new QHBoxLayout;
    links->setSpacing(6);
    links->addWidget(regulation);
    links->addWidget(web);
    links->addStretch();
    g->addLayout(links, row++, 0, 1, 2);
    g->setRowStretch(row, 1);

    connect(period_, &QDateEdit::dateChanged, this, &WageDeductionPage::periodChanged);
    connect(payment_, &QDateEdit::dateChanged, this, &WageDeductionPage::updateInfo);
    connect(insolvency_, &QCheckBox::toggled, this, [this](bool on) {
        claimBox_->setEnabled(!on);
        fourExecutions_->setEnabled(!on);
    });
    connect(compute, &QPushButton::clicked, this, &WageDeductionPage::Srazky_VypocitatClick);
    connect(wage_, &QLineEdit::returnPressed, this, &WageDeductionPage::Srazky_VypocitatClick);
    connect(reset, &QPushButton::clicked, this, &WageDeductionPage::Srazky_VynulovatClick);
    connect(regulation, &QPushButton::clicked, this, &WageDeductionPage::Srazky_PredpisClick);
    connect(web, &QPushButton::clicked, this, &WageDeductionPage::Srazky_WebClick);

    QWidget* order[] = {period_, payment_, wage_, dependants_, spouse_, claim_->button(0), claim_->button(1),
                        claim_->button(2), fourExecutions_, insolvency_, compute, reset, regulation, web};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    return box;
}

QLineEdit* WageDeductionPage::addResultRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                                           double wage::Result::*field) {
    QWidget* parent = grid->parentWidget();
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Srazky_%1_Edit").arg(name));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMinimumWidth(130);
    e->setToolTip(QStringLiteral("Dvojklikem zkopírujete částku do schránky."));
    installCopyOnDoubleClick(e);
    auto* l = new QLabel(caption, parent);
    l->setBuddy(e);
    auto* asShown = copyButton(QStringLiteral("Srazky_%1_Kc").arg(name), QStringLiteral("Kč"),
                               QStringLiteral("Kopírovat do schránky"), parent);
    auto* asNumber = copyButton(QStringLiteral("Srazky_%1_Cislo").arg(name), QStringLiteral("#"),
                                QStringLiteral("Kopírovat do schránky jako číslo"), parent);
    grid->addWidget(l, row, 0);
    grid->addWidget(e, row, 1);
    grid->addWidget(asShown, row, 2);
    grid->addWidget(asNumber, row, 3);
    connect(asShown, &QToolButton::clicked, this, [e] {
        if (!e->text().isEmpty()) QApplication::clipboard()->setText(e->text());
    });
    connect(asNumber, &QToolButton::clicked, this, [this, field] {
        if (result_) QApplication::clipboard()->setText(qs(Format_Cislo((*result_).*field)));
    });
    results_.push_back({e, field});
    return e;
}

QWidget* WageDeductionPage::buildResults() {
    auto* box = new QGroupBox(QStringLiteral("Výsledek"));
    box->setObjectName(QStringLiteral("Srazky_Vysledek_GroupBox"));
    auto* g = new QGridLayout(box);
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
        QLineEdit* e = addResultRow(g, row++, QString::fromUtf8(r.caption), QString::fromLatin1(r.name), r.field);
        if (r.field == &R::deduction || r.field == &R::paidToDebtor) {
            QFont bold = e->font();
            bold.setBold(true);
            e->setFont(bold);
        }
    }
    periodUsed_ = new QLabel(box);
    periodUsed_->setObjectName(QStringLiteral("Srazky_Obdobi_Label"));
    periodUsed_->setWordWrap(true);
    g->addWidget(periodUsed_, row++, 0, 1, 4);
    g->setColumnStretch(4, 1);
    g->setRowStretch(row, 1);
    return box;
}

wage::Input WageDeductionPage::readInput() const {
    wage::Input in;
    in.wageYear = period_->date().year();
    in.wageMonth = period_->date().month();
    in.payment = fromQDate(payment_->date());
    in.netWage = wage_->value();
    in.dependants = dependants_->value();
    in.spouse = spouse_->isChecked();
    in.claim = static_cast<wage::Claim>(std::max(0, claim_->checkedId()));
    in.fourOrMoreExecutions = fourExecutions_->isChecked();
    in.insolvency = insolvency_->isChecked();
    return in;
}

void WageDeductionPage::periodChanged() {
    // A wage falls due in the following month; the user may still move the day.
    const QDate p = period_->date();
    payment_->setDate(toQDate(wage::defaultPaymentDate(p.year(), p.month())));
    updateInfo();
}

void WageDeductionPage::updateInfo() {
    QString text;
    try {
        wage::Input in;
        in.wageYear = period_->date().year();
        in.wageMonth = period_->date().month();
        in.payment = fromQDate(payment_->date());
        const IniFile table = IniFile::load(host_.data().programFile(wage::kTable));
        text = qs(wage::periodExplanation(wage::periodFor(table, in)));
    } catch (const Error& e) {
        text = qs(e.what());
    }
    infoBalloon(info_, QStringLiteral("Srážky ze mzdy"), text);
}

void WageDeductionPage::clearResults() {
    result_.reset();
    for (const auto& entry : results_) entry.first->clear();
    periodUsed_->clear();
}

void WageDeductionPage::Srazky_VypocitatClick() {
    const bool ok = runAction(this, [&] {
        const wage::Input in = readInput();
        const IniFile table = IniFile::load(host_.data().programFile(wage::kTable));
        const wage::Result r = wage::compute(table, in);
        result_ = r;
        for (const auto& [edit, field] : results_) edit->setText(qs(Format_Castky(r.*field)));
        periodUsed_->setText(QStringLiteral("Použité částky: období od %1%2")
                                 .arg(qs(r.period.name),
                                      r.period.unconfirmed ? QStringLiteral(" – částky nejsou ověřeny") : QString()));
        periodUsed_->setStyleSheet(r.period.unconfirmed ? QStringLiteral("color: #b00000;") : QString());
        summary_->showLines(toQStringList(wage::summaryLines(in, r)));
    });
    // Figures of an earlier computation must not stand beside new inputs.
    if (!ok) clearResults();
}

void WageDeductionPage::Srazky_VynulovatClick() {
    wage_->setValue(0);
    dependants_->setValue(0);
    spouse_->setChecked(false);
    claim_->button(0)->setChecked(true);
    fourExecutions_->setChecked(false);
    insolvency_->setChecked(false);
    clearResults();
}

void WageDeductionPage::Srazky_PredpisClick() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), wage::kRegulationText)));
}

QString WageDeductionPage::webCalculatorAddress() const {
    return qs(host_.data().settings().serviceHost()) + QString::fromLatin1(kWebCalculatorPath);
}

void WageDeductionPage::Srazky_WebClick() { openAddress(webCalculatorAddress()); }

void WageDeductionPage::Srazky_TXTClick() {
    if (summary_->edit()->toPlainText().trimmed().isEmpty()) {
        showMessage(this, QStringLiteral("Rekapitulace je prázdná; nejprve stiskněte „Vypočítat“."));
        return;
    }
    summary_->sendToTxt(QStringLiteral("Hodláte exportovat výpočet srážek ze mzdy do záložky TXT.\n"
                                       "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\n"
                                       "Pokud stisknete ne, data budou předchozí data vymazána."));
}

}  // namespace verdika::ui
