#include "common/ui/scrolling.h"
#include "interest/interest_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/desktop.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "companion/ui/print_margins.h"
#include "interest/preview_window.h"
#include "interest/rate_table.h"
#include "interest/rate_table_window.h"
#include "interest/report_file.h"
#include "interest/ui/amount_edit.h"
#include "reference/regulations.h"

namespace verdika::ui {

using namespace verdika::interest;

namespace {

const QString kDuplicateLabel =
    QStringLiteral("Nelze přidat dvě jistiny stejné skupiny závazku! Změňte označení skupiny závazku.");

QTableWidget* makeGrid(const char* name, const QStringList& captions, QWidget* parent) {
    auto* g = new QTableWidget(1, static_cast<int>(captions.size()), parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setHorizontalHeaderLabels(captions);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->horizontalHeader()->setMinimumSectionSize(30);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QToolButton* makeToolButton(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(tip);
    return b;
}

QLabel* label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

std::vector<std::array<QString, 4>> rowsOf(const QTableWidget* grid, int columns) {
    std::vector<std::array<QString, 4>> out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (rowIsEmpty(grid, r)) continue;
        std::array<QString, 4> row;
        for (int c = 0; c < columns; ++c) row[static_cast<size_t>(c)] = cellText(grid, r, c);
        out.push_back(row);
    }
    return out;
}

bool hasDataRow(const QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r)
        if (!rowIsEmpty(grid, r)) return true;
    return false;
}

// The grid's last row is the empty one new rows are written into.
int emptyLastRow(QTableWidget* grid) {
    if (grid->rowCount() == 0 || !rowIsEmpty(grid, grid->rowCount() - 1)) grid->setRowCount(grid->rowCount() + 1);
    return grid->rowCount() - 1;
}

void selectText(QComboBox* box, const QString& text) {
    const int i = box->findText(text, Qt::MatchExactly);
    if (i >= 0) box->setCurrentIndex(i);
}

}  // namespace

InterestPage::InterestPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet6"));
    buildUi();
}

// ---- layout ------------------------------------------------------------------

void InterestPage::buildUi() {
    // The page shows whole at its own window height; the scroll area keeps it
    // from raising the minimum height of the window for the other pages.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget;
    outer->addWidget(scrollingArea(content));
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(6, 4, 6, 4);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(buildDebtsBox());
    left->addWidget(buildPaymentsBox());
    left->addWidget(buildOptions());
    left->addStretch(1);
    auto* inputs = new QWidget(content);
    inputs->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    inputs->setFixedWidth(455);
    columns->addWidget(inputs);
    columns->addWidget(buildOutputs(), 1);
}

QWidget* InterestPage::buildDebtsBox() {
    auto* box = new QGroupBox(QStringLiteral("Závazky"), this);
    box->setObjectName(QStringLiteral("Zavazky_GroupBox"));
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);

    principal_ = new AmountEdit(QStringLiteral("Zadluzeno_Edit"), box);
    due_ = makeDateEdit(QStringLiteral("zadluzeno_DateTimePicker"), box);
    until_ = makeDateEdit(QStringLiteral("Prodleni_Do_DateTimePicker"), box);
    auto* today = makeButton("Button16", QStringLiteral("Dnes"), box);
    debtLabel_ = new QComboBox(box);
    debtLabel_->setObjectName(QStringLiteral("Zadluzeno_ComboBox"));
    debtLabel_->setEditable(true);
    debtLabel_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& l : defaultGroupLabels()) debtLabel_->addItem(qs(l));
    debtLabel_->setCurrentIndex(0);
    auto* describe = makeButton("Button52", QStringLiteral("Vlož popis"), box);
    describe->setToolTip(QStringLiteral("Vlastní označení skupiny závazků (např. číslo faktury) vložte do seznamu skupin"));
    auto* add = makeButton("Dluh_Pribyl_Button", QStringLiteral("Přidat"), box);
    auto* addMonth = makeButton("Dluh_Pribyl_Mesic_Button", QStringLiteral("Přidat stejné následující měsíc"), box);
    auto* edit = makeButton("Uprav_Jistinu_Button", QStringLiteral("Upravit záznam"), box);
    auto* remove = makeButton("Button40", QStringLiteral("Odebrat řádek"), box);
    auto* clear = makeButton("Button54", QStringLiteral("Vymazat"), box);
    debts_ = makeGrid("zadluzeno_StringGrid", {"Splatnost", "Úrok ke dni", "Jistina", "Skupina"}, box);

    g->addWidget(label(QStringLiteral("Jistina:"), box), 0, 0);
    g->addWidget(principal_, 0, 1);
    g->addWidget(label(QStringLiteral("Skupina závazků"), box), 0, 2);
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(debtLabel_, 1);
    labelRow->addWidget(describe);
    g->addLayout(labelRow, 0, 3);
    g->addWidget(label(QStringLiteral("Splatnost"), box), 1, 0);
    g->addWidget(due_, 1, 1);
    g->addWidget(label(QStringLiteral("Úrok ke dni"), box), 1, 2);
    auto* untilRow = new QHBoxLayout;
    until_->setMinimumWidth(until_->sizeHint().width());
    untilRow->addWidget(until_, 1);
    untilRow->addWidget(today);
    g->addLayout(untilRow, 1, 3);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addWidget(addMonth, 1);
    g->addLayout(addRow, 2, 0, 1, 4);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(debts_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(edit);
    side->addWidget(remove);
    side->addWidget(clear);
    side->addStretch(1);
    gridRow->addLayout(side);
    g->addLayout(gridRow, 3, 0, 1, 4);
    debts_->setFixedHeight(86);

    connect(today, &QPushButton::clicked, this, [this] { until_->setDate(QDate::currentDate()); });
    connect(add, &QPushButton::clicked, this, [this] { addDebt(false); });
    connect(addMonth, &QPushButton::clicked, this, [this] { addDebt(true); });
    connect(edit, &QPushButton::clicked, this, [this] { editDebt(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeDebt(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearDebts(); });
    connect(describe, &QPushButton::clicked, this, [this] { Button52Click(); });
    connect(debts_, &QTableWidget::cellClicked, this, [this](int row, int) { debtSelected(row); });
    // Closing the drop-down: the payments take the same group.
    connect(debtLabel_, &QComboBox::activated, this, [this](int) { selectText(paymentLabel_, debtLabel_->currentText()); });
    return box;
}

QWidget* InterestPage::buildPaymentsBox() {
    auto* box = new QGroupBox(QStringLiteral("Úhrady"), this);
    box->setObjectName(QStringLiteral("Uhrady_GroupBox"));
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);

    payment_ = new AmountEdit(QStringLiteral("cast_zaplaceno_edit"), box);
    paymentDate_ = makeDateEdit(QStringLiteral("cast_zaplaceno_DateTimePicker"), box);
    paymentLabel_ = new QComboBox(box);
    paymentLabel_->setObjectName(QStringLiteral("zaplaceno_combobox"));
    paymentLabel_->addItem(qs(kEarliestDue));
    interestFirst_ = new QCheckBox(QStringLiteral("nejdříve na úrok"), box);
    interestFirst_->setObjectName(QStringLiteral("nejdriv_prislusenstvi_CheckBox"));
    interestFirst_->setChecked(true);
    interestFirst_->setToolTip(
        QStringLiteral("Pokud dlužník neurčí jinak, použije se platba nejdříve na úrok, poté na jistinu."));
    auto* add = makeButton("cast_zaplaceno_Button", QStringLiteral("Přidat"), box);
    auto* addMonth = makeButton("cast_zaplaceno_mesic_Button", QStringLiteral("Přidat stejné následující měsíc"), box);
    auto* edit = makeButton("Button47", QStringLiteral("Upravit záznam"), box);
    auto* remove = makeButton("Button41", QStringLiteral("Odebrat řádek"), box);
    auto* clear = makeButton("Button55", QStringLiteral("Vymazat"), box);
    payments_ = makeGrid("zaplaceno_StringGrid", {"Ke dni", "Částka", "Skupina"}, box);

    g->addWidget(label(QStringLiteral("Částečná úhrada:"), box), 0, 0);
    g->addWidget(payment_, 0, 1);
    g->addWidget(label(QStringLiteral("Ke dni"), box), 0, 2);
    g->addWidget(paymentDate_, 0, 3);
    g->addWidget(label(QStringLiteral("Skupina závazků"), box), 1, 0);
    g->addWidget(paymentLabel_, 1, 1);
    g->addWidget(interestFirst_, 1, 2, 1, 2);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addWidget(addMonth, 1);
    g->addLayout(addRow, 2, 0, 1, 4);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(payments_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(edit);
    side->addWidget(remove);
    side->addWidget(clear);
    side->addStretch(1);
    gridRow->addLayout(side);
    g->addLayout(gridRow, 3, 0, 1, 4);
    payments_->setFixedHeight(86);

    connect(add, &QPushButton::clicked, this, [this] { addPayment(false); });
    connect(addMonth, &QPushButton::clicked, this, [this] { addPayment(true); });
    connect(edit, &QPushButton::clicked, this, [this] { editPayment(); });
    connect(remove, &QPushButton::clicked, this, [this] { removePayment(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearPayments(); });
    connect(payments_, &QTableWidget::cellClicked, this, [this](int row, int) { paymentSelected(row); });
    return box;
}

QWidget* InterestPage::buildOptions() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    // Contractual rate.
    contractual_ = new QGroupBox(QStringLiteral("Smluvní výše úroků"), w);
    contractual_->setObjectName(QStringLiteral("GroupBox1"));
    auto* cg = new QGridLayout(contractual_);
    cg->setContentsMargins(6, 4, 6, 4);
    cg->setVerticalSpacing(3);
    customRate_ = new QCheckBox(QStringLiteral("Zadat vlastní výši úroku:"), contractual_);
    customRate_->setObjectName(QStringLiteral("Vlastni_Vyse_Uroku_CheckBox"));
    dailyRadio_ = new QRadioButton(QStringLiteral("Denní úrok"), contractual_);
    dailyRadio_->setObjectName(QStringLiteral("Denni_urok_radio"));
    annualRadio_ = new QRadioButton(QStringLiteral("Roční úrok"), contractual_);
    annualRadio_->setObjectName(QStringLiteral("rocni_urok_radio"));
    annualRadio_->setChecked(true);
    dailyRate_ = new QLineEdit(QStringLiteral("0"), contractual_);
    dailyRate_->setObjectName(QStringLiteral("denni_urok_edit"));
    annualRate_ = new QLineEdit(QStringLiteral("0"), contractual_);
    annualRate_->setObjectName(QStringLiteral("Rocni_Urok_Edit"));
    yearLength_ = new QLineEdit(QStringLiteral("365"), contractual_);
    yearLength_->setObjectName(QStringLiteral("Edit13"));
    yearLength_->setMaximumWidth(50);
    auto* rateHint = makeToolButton("BitBtn14", QStringLiteral("?"), QString(), contractual_);
    infoBalloon(rateHint, QStringLiteral("Úroková míra"),
                QStringLiteral("Pokud je ve smlouvě dohodnuta pevná úroková míra, zaškrtněte Zadat vlastní výši úroků "
                               "a vypiště údaje do denního úroku či ročního úroku. Zákonná výše úroků se v tomto "
                               "případě nepoužije."));
    cg->addWidget(customRate_, 0, 0, 1, 3);
    cg->addWidget(label(QStringLiteral("Dnů v roce:"), contractual_), 0, 3, Qt::AlignRight);
    cg->addWidget(yearLength_, 0, 4);
    cg->addWidget(rateHint, 0, 5);
    cg->addWidget(dailyRadio_, 1, 0);
    cg->addWidget(dailyRate_, 1, 1);
    cg->addWidget(label(QStringLiteral("%"), contractual_), 1, 2);
    cg->addWidget(annualRadio_, 1, 3);
    cg->addWidget(annualRate_, 1, 4, 1, 1);
    cg->addWidget(label(QStringLiteral("%"), contractual_), 1, 5);
    // Interest or late fee, beside the contractual rate.
    auto* row = new QHBoxLayout;
    auto* mode = new QGroupBox(w);
    mode->setObjectName(QStringLiteral("RadioGroup1"));
    auto* mv = new QHBoxLayout(mode);
    mv->setContentsMargins(6, 2, 6, 2);
    interestMode_ = new QRadioButton(QStringLiteral("Úrok"), mode);
    interestMode_->setObjectName(QStringLiteral("RadioGroup1_0"));
    interestMode_->setChecked(true);
    feeMode_ = new QRadioButton(QStringLiteral("Poplatek"), mode);
    feeMode_->setObjectName(QStringLiteral("RadioGroup1_1"));
    auto* feeHint = makeToolButton("BitBtn89", QStringLiteral("?"), QString(), mode);
    infoBalloon(feeHint, QStringLiteral("Poplatek z prodlení"),
                QStringLiteral("Poplatek z prodlení je od 1. 1. 2014 stanoven zákonem č. 67/2013 Sb."));
    auto* feeRow = new QHBoxLayout;
    feeRow->addWidget(feeMode_);
    feeRow->addWidget(feeHint);
    mv->addWidget(interestMode_);
    mv->addLayout(feeRow);
    mv->addStretch(1);
    row->addWidget(mode, 1);
    v->addLayout(row);
    v->addWidget(contractual_);

    // Actions.
    auto* ok = makeButton("BitBtn9", QStringLiteral("OK"), w);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setDefault(true);
    auto* reset = makeButton("Button12", QStringLiteral("Vynulovat"), w);
    auto* rates = makeButton("Button24", QStringLiteral("Zadat výši úrokových sazeb"), w);
    auto* save = makeButton("Ulozit_Button", QStringLiteral("Uložit sestavu"), w);
    auto* load = makeButton("Nacti_Button", QStringLiteral("Načíst sestavu"), w);
    auto* law = makeButton("predpis_142_1994", QStringLiteral("Zobraz dotčené předpisy"), w);
    auto* actions = new QGridLayout;
    actions->addWidget(ok, 0, 0);
    actions->addWidget(reset, 0, 1);
    actions->addWidget(rates, 0, 2);
    actions->addWidget(save, 1, 0);
    actions->addWidget(load, 1, 1);
    actions->addWidget(law, 1, 2);
    v->addLayout(actions);

    connect(ok, &QPushButton::clicked, this, [this] { BitBtn9Click(); });
    connect(reset, &QPushButton::clicked, this, [this] { Button12Click(); });
    connect(rates, &QPushButton::clicked, this, [this] { openRateTable(); });
    connect(save, &QPushButton::clicked, this, [this] { saveReport(); });
    connect(load, &QPushButton::clicked, this, [this] { loadReport(); });
    connect(law, &QPushButton::clicked, this, [this] {
        host_.showRegulation(qpath(regulationFile(host_.data().paths(), "urok_z_prodleni.vrd")));
    });
    connect(interestMode_, &QRadioButton::clicked, this, [this] { RadioGroup1Click(); });
    connect(feeMode_, &QRadioButton::clicked, this, [this] { RadioGroup1Click(); });
    return w;
}

QWidget* InterestPage::buildPetitionOptions(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    auto radioGroup = [&](const char* name, const QStringList& items, QButtonGroup*& group) {
        auto* box = new QGroupBox(w);
        box->setObjectName(QString::fromLatin1(name));
        auto* bv = new QVBoxLayout(box);
        bv->setContentsMargins(6, 2, 6, 2);
        bv->setSpacing(0);
        group = new QButtonGroup(box);
        for (int i = 0; i < items.size(); ++i) {
            auto* b = new QRadioButton(items[i], box);
            b->setObjectName(QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i));
            group->addButton(b, i);
            bv->addWidget(b);
        }
        group->button(0)->setChecked(true);
        row->addWidget(box);
    };
    radioGroup("zalovan2_RadioGroup", {"žalovaný", "žalovaná", "žalovaní"}, debtor_);
    radioGroup("zalob2_RadioGroup", {"žalobce", "žalobkyně", "žalobci"}, creditor_);

    deadlineDays_ = new QLineEdit(QStringLiteral("15"), w);
    deadlineDays_->setObjectName(QStringLiteral("Edit41"));
    deadlineDays_->setMaximumWidth(40);
    deadlineEvent_ = new QComboBox(w);
    deadlineEvent_->setObjectName(QStringLiteral("zaplatit_od2_combobox"));
    deadlineEvent_->addItems({QStringLiteral("právní moci rozhodnutí"), QStringLiteral("doručení platebního rozkazu")});
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(label(QStringLiteral("zaplatit do"), w));
    daysRow->addWidget(deadlineDays_);
    daysRow->addWidget(label(QStringLiteral("dnů od: "), w));
    daysRow->addStretch(1);
    auto* deadline = new QVBoxLayout;
    deadline->addLayout(daysRow);
    deadline->addWidget(deadlineEvent_);
    deadline->addStretch(1);
    row->addLayout(deadline, 1);

    connect(debtor_, &QButtonGroup::idClicked, this, [this](int) { rerunIfCase(); });
    connect(creditor_, &QButtonGroup::idClicked, this, [this](int) { rerunIfCase(); });
    connect(deadlineEvent_, &QComboBox::currentIndexChanged, this, [this](int i) {
        deadlineDays_->setText(i == 1 ? QStringLiteral("15") : QStringLiteral("3"));
        rerunIfCase();
    });
    return w;
}

QWidget* InterestPage::buildOutputs() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);

    auto header = [&](const QString& caption, std::initializer_list<QWidget*> buttons) {
        auto* h = new QHBoxLayout;
        h->addWidget(label(caption, w));
        h->addStretch(1);
        for (QWidget* b : buttons) h->addWidget(b);
        v->addLayout(h);
    };
    auto* copyReport = makeToolButton("BitBtn21", QStringLiteral("Kopírovat"), QStringLiteral("Zkopírovat průběh výpočtu do schránky"), w);
    auto* previewReport = makeToolButton("BitBtn24", QStringLiteral("Náhled"), QStringLiteral("Zobrazit průběh výpočtu v náhledu"), w);
    auto* txtReport = makeToolButton("BitBtn31", QStringLiteral("TXT"), QStringLiteral("Vložit průběh výpočtu do záložky TXT"), w);
    auto* print = makeButton("Button29", QStringLiteral("Tisk"), w);
    header(QStringLiteral("Průběh výpočtu:"), {copyReport, previewReport, txtReport, print});
    report_ = new QTextEdit(w);
    report_->setObjectName(QStringLiteral("Prubeh_Vypoctu_RichEdit"));
    report_->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    report_->setLineWrapMode(QTextEdit::NoWrap);
    v->addWidget(report_, 3);

    result_ = makeGrid("Vysledek_StringGrid",
                       {"Skupina", "Prodlení od:", "Prodlení do:", "Dnů:", "Úroky:", "Zbývající dluh:", "Celkem:"}, w);
    result_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    result_->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < 7; ++c) result_->setColumnWidth(c, c == 3 ? 40 : 66);
    // Captions longer than their column show whole on hover.
    for (int c = 0; c < result_->columnCount(); ++c)
        if (QTableWidgetItem* h = result_->horizontalHeaderItem(c)) h->setToolTip(h->text());
    result_->setMinimumHeight(100);
    v->addWidget(result_, 2);
    auto* gridTxt = makeToolButton("BitBtn32", QStringLiteral("TXT"), QStringLiteral("Vložit výsledky do záložky TXT"), w);
    auto* excel = makeButton("Button39", QStringLiteral("MS Excel"), w);
    auto* gridButtons = new QHBoxLayout;
    gridButtons->addStretch(1);
    gridButtons->addWidget(gridTxt);
    gridButtons->addWidget(excel);
    v->addLayout(gridButtons);

    v->addWidget(buildPetitionOptions(w));
    auto* copy1 = makeToolButton("BitBtn18", QStringLiteral("Kopírovat"), QStringLiteral("Zkopírovat petit do schránky"), w);
    auto* preview1 = makeToolButton("BitBtn22", QStringLiteral("Náhled"), QStringLiteral("Zobrazit petit v náhledu"), w);
    header(QStringLiteral("Petit verze 1:"), {copy1, preview1});
    petition1_ = new QPlainTextEdit(w);
    petition1_->setObjectName(QStringLiteral("Vysvetleni_Memo"));
    v->addWidget(petition1_, 2);
    auto* copy2 = makeToolButton("BitBtn20", QStringLiteral("Kopírovat"), QStringLiteral("Zkopírovat petit do schránky"), w);
    auto* preview2 = makeToolButton("BitBtn23", QStringLiteral("Náhled"), QStringLiteral("Zobrazit petit v náhledu"), w);
    header(QStringLiteral("Petit verze 2:"), {copy2, preview2});
    petition2_ = new QPlainTextEdit(w);
    petition2_->setObjectName(QStringLiteral("Vysvetleni2_Memo"));
    v->addWidget(petition2_, 2);

    connect(copyReport, &QToolButton::clicked, this, [this] { QApplication::clipboard()->setText(report_->toPlainText()); });
    connect(previewReport, &QToolButton::clicked, this, [this] { showPreview(report_->toPlainText()); });
    connect(txtReport, &QToolButton::clicked, this, [this] {
        host_.appendToTxt(reportText(), true);
        host_.showPage(kTxtPage);
    });
    connect(print, &QPushButton::clicked, this, [this] { printReport(); });
    connect(gridTxt, &QToolButton::clicked, this, [this] {
        std::vector<GridRow> rows;
        for (int r = 0; r < result_->rowCount(); ++r) {
            GridRow row;
            for (int c = 0; c < 7; ++c) row[static_cast<size_t>(c)] = ss(cellText(result_, r, c));
            rows.push_back(row);
        }
        host_.appendToTxt(toQStringList(resultGridText(rows)), true);
        host_.showPage(kTxtPage);
    });
    connect(excel, &QPushButton::clicked, this, [this] { Button39Click(); });
    connect(copy1, &QToolButton::clicked, this, [this] { QApplication::clipboard()->setText(petition1_->toPlainText()); });
    connect(preview1, &QToolButton::clicked, this, [this] { showPreview(petition1_->toPlainText()); });
    connect(copy2, &QToolButton::clicked, this, [this] { QApplication::clipboard()->setText(petition2_->toPlainText()); });
    connect(preview2, &QToolButton::clicked, this, [this] { showPreview(petition2_->toPlainText()); });
    return w;
}

// ---- reading and writing the controls ------------------------------------------

Case InterestPage::readCase() const {
    Case c;
    for (const auto& r : rowsOf(debts_, 4)) c.debts.push_back(DebtRow{ss(r[0]), ss(r[1]), ss(r[2]), ss(r[3])});
    for (const auto& r : rowsOf(payments_, 3)) c.payments.push_back(PaymentRow{ss(r[0]), ss(r[1]), ss(r[2])});
    Options& o = c.options;
    o.mode = feeMode_->isChecked() ? Mode::Fee : Mode::Interest;
    o.customRate = customRate_->isChecked();
    o.kind = dailyRadio_->isChecked() ? RateKind::Daily : RateKind::Annual;
    o.dailyRate = ss(dailyRate_->text());
    o.annualRate = ss(annualRate_->text());
    o.yearLength = ss(yearLength_->text());
    o.interestFirst = interestFirst_->isChecked();
    return c;
}

PetitionOptions InterestPage::readPetition() const {
    return PetitionOptions{std::max(0, debtor_->checkedId()), std::max(0, creditor_->checkedId()),
                           ss(deadlineDays_->text()), ss(deadlineEvent_->currentText())};
}

void InterestPage::writeDebtRows(const std::vector<DebtRow>& rows) {
    Vymaz_StringGrid(debts_);
    debts_->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DebtRow& d = rows[static_cast<size_t>(r)];
        setCellText(debts_, r, 0, qs(d.due));
        setCellText(debts_, r, 1, qs(d.until));
        setCellText(debts_, r, 2, qs(d.principal));
        setCellText(debts_, r, 3, qs(d.label));
    }
}

void InterestPage::writePaymentRows(const std::vector<PaymentRow>& rows) {
    Vymaz_StringGrid(payments_);
    payments_->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PaymentRow& p = rows[static_cast<size_t>(r)];
        setCellText(payments_, r, 0, qs(p.date));
        setCellText(payments_, r, 1, qs(p.amount));
        setCellText(payments_, r, 2, qs(p.label));
    }
}

void InterestPage::clearOutputs() {
    petition1_->clear();
    petition2_->clear();
    report_->clear();
    Vymaz_StringGrid(result_);
}

QStringList InterestPage::reportText() const { return report_->toPlainText().split(QLatin1Char('\n')); }

bool InterestPage::labelTaken(const QString& text, int exceptRow) const {
    for (int r = 0; r < debts_->rowCount(); ++r)
        if (r != exceptRow && !rowIsEmpty(debts_, r) && sameLabel(ss(cellText(debts_, r, 3)), ss(text))) return true;
    return false;
}

// ---- actions -------------------------------------------------------------------

void InterestPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    until_->setDate(QDate::currentDate());
}

void InterestPage::setDueDate(const QDate& date) { due_->setDate(date); }

void InterestPage::BitBtn9Click() {
    runAction(this, [&] {
        // A single principal can be computed without pressing "Přidat".
        if (!hasDataRow(debts_) && principal_->value() > 0) {
            addDebt(false);
            if (!hasDataRow(debts_)) return;
        }
        clearOutputs();
        const Case c = readCase();
        std::optional<RateTable> table;
        if (!c.options.customRate && c.options.mode == Mode::Interest)
            table = RateTable::load(host_.data().dataFile("uroky.vrd"));
        const Computation r = computeInterest(c, table ? &*table : nullptr);

        writeDebtRows(r.debts);
        writePaymentRows(r.payments);
        if (r.options.customRate) {
            dailyRate_->setText(qs(r.options.dailyRate));
            annualRate_->setText(qs(r.options.annualRate));
        }
        const PetitionOptions po = readPetition();
        const std::string p1 = petition1(r, po);
        petition2_->setPlainText(toQStringList(petition2(r, po)).join(QLatin1Char('\n')));
        petition1_->setPlainText(qs(p1));
        const auto grid = resultGrid(r);
        result_->setRowCount(static_cast<int>(grid.size()));
        for (int row = 0; row < static_cast<int>(grid.size()); ++row)
            for (int col = 0; col < 7; ++col) setCellText(result_, row, col, qs(grid[static_cast<size_t>(row)][static_cast<size_t>(col)]));
        result_->resizeColumnsToContents();
        report_->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
        report_->setPlainText(toQStringList(reportLines(r)).join(QLatin1Char('\n')));
        QApplication::clipboard()->setText(qs(p1));
        lastMode_ = r.options.mode;
        lastExport_ = writeExportCsv(host_.data().dataFile("Excel-export"), today(), exportCounter_, exportTable(r));
    });
}

void InterestPage::rerunIfCase() {
    if (hasDataRow(debts_)) BitBtn9Click();
}

void InterestPage::addDebt(bool nextMonth) {
    runAction(this, [&] {
        if (nextMonth) due_->setDate(due_->date().addMonths(1));
        const QString text = debtLabel_->currentText();
        if (text.trimmed().isEmpty()) {
            showMessage(this, QStringLiteral("Zadejte označení skupiny závazků."));
            return;
        }
        if (labelTaken(text, -1)) {
            showMessage(this, kDuplicateLabel);
            return;
        }
        const QString amount = qs(Format_Cislo(principal_->value()));
        const int row = emptyLastRow(debts_);
        setCellText(debts_, row, 0, due_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(debts_, row, 1, until_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(debts_, row, 2, amount);
        setCellText(debts_, row, 3, text);
        debts_->setRowCount(row + 2);
        if (paymentLabel_->findText(text, Qt::MatchExactly) < 0) paymentLabel_->addItem(text);
        // Repeated adds go on with the next label.
        const int at = debtLabel_->findText(text, Qt::MatchExactly);
        if (at >= 0 && at + 1 < debtLabel_->count()) debtLabel_->setCurrentIndex(at + 1);
    });
}

void InterestPage::addPayment(bool nextMonth) {
    runAction(this, [&] {
        if (nextMonth) paymentDate_->setDate(paymentDate_->date().addMonths(1));
        const QString amount = qs(Format_Cislo(payment_->value()));
        const int row = emptyLastRow(payments_);
        setCellText(payments_, row, 0, paymentDate_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(payments_, row, 1, amount);
        setCellText(payments_, row, 2, paymentLabel_->currentText());
        payments_->setRowCount(row + 2);
    });
}

void InterestPage::debtSelected(int row) {
    if (row < 0 || cellText(debts_, row, 0).isEmpty()) return;
    if (auto v = tryParseDecimal(ss(cellText(debts_, row, 2)))) principal_->setValue(*v);
    if (auto d = tryParseDate(ss(cellText(debts_, row, 0)))) due_->setDate(toQDate(*d));
    if (auto d = tryParseDate(ss(cellText(debts_, row, 1)))) until_->setDate(toQDate(*d));
    debtLabel_->setCurrentText(cellText(debts_, row, 3));
}

void InterestPage::paymentSelected(int row) {
    if (row < 0 || cellText(payments_, row, 0).isEmpty()) return;
    if (auto d = tryParseDate(ss(cellText(payments_, row, 0)))) paymentDate_->setDate(toQDate(*d));
    if (auto v = tryParseDecimal(ss(cellText(payments_, row, 1)))) payment_->setValue(*v);
    const QString l = cellText(payments_, row, 2);
    if (paymentLabel_->findText(l, Qt::MatchExactly) < 0) paymentLabel_->addItem(l);
    selectText(paymentLabel_, l);
}

void InterestPage::editDebt() {
    runAction(this, [&] {
        const int row = debts_->currentRow();
        if (row < 0 || cellText(debts_, row, 0).isEmpty()) return;
        const QString text = debtLabel_->currentText();
        if (labelTaken(text, row)) {
            showMessage(this, kDuplicateLabel);
            return;
        }
        const QString amount = qs(Format_Cislo(principal_->value()));
        setCellText(debts_, row, 0, due_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(debts_, row, 1, until_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(debts_, row, 2, amount);
        setCellText(debts_, row, 3, text);
        if (paymentLabel_->findText(text, Qt::MatchExactly) < 0) paymentLabel_->addItem(text);
    });
}

void InterestPage::editPayment() {
    runAction(this, [&] {
        const int row = payments_->currentRow();
        if (row < 0 || cellText(payments_, row, 0).isEmpty()) return;
        const QString amount = qs(Format_Cislo(payment_->value()));
        setCellText(payments_, row, 0, paymentDate_->date().toString(QStringLiteral("d.M.yyyy")));
        setCellText(payments_, row, 1, amount);
        setCellText(payments_, row, 2, paymentLabel_->currentText());
    });
}

void InterestPage::removeDebt() {
    const int row = debts_->currentRow();
    if (row >= 0 && !cellText(debts_, row, debts_->currentColumn() < 0 ? 0 : debts_->currentColumn()).isEmpty())
        Odebrat_Radek(debts_);
}

void InterestPage::removePayment() {
    const int row = payments_->currentRow();
    if (row >= 0 && !cellText(payments_, row, payments_->currentColumn() < 0 ? 0 : payments_->currentColumn()).isEmpty())
        Odebrat_Radek(payments_);
}

void InterestPage::clearDebts() {
    Vymaz_StringGrid(debts_);
    debtLabel_->setCurrentIndex(0);
    principal_->setValue(0);
}

void InterestPage::clearPayments() {
    Vymaz_StringGrid(payments_);
    paymentLabel_->setCurrentIndex(0);
    payment_->setValue(0);
}

void InterestPage::Button52Click() {
    const QString text = debtLabel_->currentText();
    if (text.trimmed().isEmpty()) return;
    if (debtLabel_->findText(text, Qt::MatchExactly) < 0) debtLabel_->insertItem(0, text);
    if (paymentLabel_->findText(text, Qt::MatchExactly) < 0) paymentLabel_->insertItem(0, text);
    selectText(debtLabel_, text);
    selectText(paymentLabel_, text);
}

void InterestPage::Button12Click() {
    dailyRate_->clear();
    annualRate_->clear();
    customRate_->setChecked(false);
    report_->clear();
    petition1_->clear();
    petition2_->clear();
    clearDebts();
    clearPayments();
    Vymaz_StringGrid(result_);
}

void InterestPage::RadioGroup1Click() {
    if (interestMode_->isChecked()) {
        contractual_->setEnabled(true);
        customRate_->setChecked(false);
    } else {
        customRate_->setChecked(true);
        dailyRadio_->setChecked(true);
        dailyRate_->setText(QStringLiteral("0,25"));
        contractual_->setEnabled(false);
    }
}

void InterestPage::saveReport() {
    runAction(this, [&] {
        FileDialogRequest req;
        req.save = true;
        req.title = QStringLiteral("Uložit sestavu");
        req.directory = qpath(host_.data().dataFile("Uroky-sestavy"));
        req.filter = QStringLiteral("Sestavy úroků (*.urk)");
        req.defaultSuffix = QStringLiteral("urk");
        const Case c = readCase();
        if (c.options.customRate) savedAnnualRate(c.options);  // a bad rate is reported before the dialog
        const QString file = askFileName(this, req);
        if (!file.isEmpty()) saveReportTo(fspath(file));
    });
}

void InterestPage::saveReportTo(const std::filesystem::path& file) {
    const Case c = readCase();
    ReportFile f;
    f.debts = c.debts;
    f.payments = c.payments;
    if (c.options.customRate) f.annualRate = savedAnnualRate(c.options);
    f.mode = c.options.mode;
    saveReportFile(file, f);
}

void InterestPage::loadReport() {
    runAction(this, [&] {
        FileDialogRequest req;
        req.title = QStringLiteral("Načíst sestavu");
        req.directory = qpath(host_.data().dataFile("Uroky-sestavy"));
        req.filter = QStringLiteral("Sestavy úroků (*.urk)");
        req.defaultSuffix = QStringLiteral("urk");
        const QString file = askFileName(this, req);
        if (!file.isEmpty()) loadReportFrom(fspath(file));
    });
}

void InterestPage::loadReportFrom(const std::filesystem::path& file) {
    const ReportFile f = loadReportFile(file);
    clearDebts();
    clearPayments();
    writeDebtRows(f.debts);
    writePaymentRows(f.payments);
    // The file names groups the lists may not hold yet.
    for (const DebtRow& d : f.debts) {
        const QString l = qs(d.label);
        if (l.isEmpty()) continue;
        if (debtLabel_->findText(l, Qt::MatchExactly) < 0) debtLabel_->insertItem(0, l);
        if (paymentLabel_->findText(l, Qt::MatchExactly) < 0) paymentLabel_->addItem(l);
    }
    debtLabel_->setCurrentIndex(0);
    // The mode first: choosing it sets the rate fields, the file's rate comes after.
    (f.mode == Mode::Fee ? feeMode_ : interestMode_)->setChecked(true);
    RadioGroup1Click();
    if (f.annualRate && f.mode == Mode::Interest) {
        customRate_->setChecked(true);
        annualRate_->setText(qs(*f.annualRate));
        annualRadio_->setChecked(true);
    }
}

void InterestPage::Button39Click() {
    runAction(this, [&] {
        if (lastExport_.empty()) {
            showMessage(this, QStringLiteral("Export do tabulkového procesoru vychází z posledního výpočtu úroků. "
                                             "Nejdříve stiskněte OK."));
            return;
        }
        lastWorkbook_ = workbookPathFor(lastExport_);
        writeInterestWorkbook(lastExport_, lastMode_, lastWorkbook_);
        openWithDesktop(qpath(lastWorkbook_));
    });
}

void InterestPage::openRateTable() {
    if (!rateWindow_) rateWindow_ = new RateTableWindow(host_.data().dataFile("uroky.vrd"), host_.mainWindow());
    if (!rateWindow_->isVisible()) {
        const QRect p = host_.mainWindow()->frameGeometry();
        rateWindow_->move(p.center() - QPoint(rateWindow_->width() / 2, rateWindow_->height() / 2));
    }
    rateWindow_->show();
    rateWindow_->raise();
}

RateTableWindow* InterestPage::rateTableWindow() const { return rateWindow_; }
PreviewWindow* InterestPage::previewWindow() const { return preview_; }

void InterestPage::showPreview(const QString& text) {
    if (!preview_) preview_ = new PreviewWindow(host_.mainWindow());
    preview_->showText(text);
}

void InterestPage::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(this, printer)) return;
    runAction(this, [&] {
        Okraje_Richedit(report_, 1.0, 1.0, 1.0, 1.0);
        printer.setDocName(QStringLiteral("Verdika"));
        printRichText(report_, printer);
    });
}

}  // namespace verdika::ui
